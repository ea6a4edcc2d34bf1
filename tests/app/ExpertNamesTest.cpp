// The name chooser filled at creation from the settings file of a temporary configuration.

#include "AppTestSupport.h"
#include "TForm1.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace {

const QStringList SampleNames{QStringLiteral("Соколов А.В."), QStringLiteral("Морозова Е.Н."),
                              QStringLiteral("Волков Д.С."), QStringLiteral("Лебедева О.П.")};

struct SettingsCase
{
    const char* name;
    std::optional<const char*> file; // contents of Gorvud/Ostrameda.conf; none: no settings key
    QStringList list;
    int selected;
    QString shown;
};

class ExpertNames : public testing::TestWithParam<SettingsCase>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_config.isValid());
        m_previous = qgetenv("XDG_CONFIG_DIRS");
        m_hadPrevious = qEnvironmentVariableIsSet("XDG_CONFIG_DIRS");
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(m_config.path()));
    }

    void TearDown() override
    {
        if (m_hadPrevious)
            qputenv("XDG_CONFIG_DIRS", m_previous);
        else
            qunsetenv("XDG_CONFIG_DIRS");
    }

    void WriteSettings(const char* contents)
    {
        ASSERT_TRUE(QDir(m_config.path()).mkpath(QStringLiteral("Gorvud")));
        QFile file(m_config.filePath(QStringLiteral("Gorvud/Ostrameda.conf")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    QTemporaryDir m_config;
    QByteArray m_previous;
    bool m_hadPrevious = false;
};

TEST_P(ExpertNames, FormCreateFillsTheNameChooser)
{
    if (GetParam().file)
        WriteSettings(*GetParam().file);
    FailureRecorder failures;
    TForm1 form;

    const auto* combo = Control<QComboBox>(form, "ComboBox1");
    ASSERT_NE(combo, nullptr);
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list.append(combo->itemText(i));
    EXPECT_EQ(list, GetParam().list);
    EXPECT_EQ(combo->currentIndex(), GetParam().selected);
    EXPECT_EQ(combo->currentText(), GetParam().shown);
    EXPECT_TRUE(failures.Shown().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Settings, ExpertNames,
    testing::Values(
        SettingsCase{"FourNames",
                     "Name1=Иванов И.И.\nName2=Петров П.П.\nName3=Сидорова С.С.\nName4=Кузнецов К.К.\n",
                     {QStringLiteral("Иванов И.И."), QStringLiteral("Петров П.П."),
                      QStringLiteral("Сидорова С.С."), QStringLiteral("Кузнецов К.К.")},
                     0,
                     QStringLiteral("Иванов И.И.")},
        SettingsCase{"NoSettingsKey", std::nullopt, SampleNames, 0, SampleNames.first()},
        SettingsCase{"OnlyName1AndName3",
                     "Name3=Сидорова С.С.\nName1=Иванов И.И.\n",
                     {QStringLiteral("Иванов И.И."), QStringLiteral("Сидорова С.С.")},
                     0,
                     QStringLiteral("Иванов И.И.")},
        SettingsCase{"EmptyName2",
                     "Name1=Иванов И.И.\nName2=\nName3=Сидорова С.С.\n",
                     {QStringLiteral("Иванов И.И."), QString(), QStringLiteral("Сидорова С.С.")},
                     0,
                     QStringLiteral("Иванов И.И.")},
        SettingsCase{"RepeatedNames",
                     "Name1=Иванов И.И.\nName2=Иванов И.И.\n",
                     {QStringLiteral("Иванов И.И."), QStringLiteral("Иванов И.И.")},
                     0,
                     QStringLiteral("Иванов И.И.")},
        // The key opens but holds no name: the list is emptied, and the edit field keeps its text.
        SettingsCase{"KeyWithoutNames", "Title=Бюро\n", {}, -1, SampleNames.first()}),
    [](const testing::TestParamInfo<SettingsCase>& info) { return info.param.name; });

} // namespace
