// The report's face must keep Courier New's cells, whatever the machine has installed.

#include "ReportFont.h"

#include <QFontInfo>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

TEST(ReportFont, FaceIsFixedPitchWithCourierAdvance)
{
    for (const auto style : {TReportFontStyle::Regular10, TReportFontStyle::Bold12}) {
        const QFont font = reportFont(style);
        const QFontInfo face(font);
        EXPECT_TRUE(face.fixedPitch()) << face.family().toStdString();
        EXPECT_NEAR(cellAdvanceRatio(font), 0.6, 0.0006) << face.family().toStdString();
        EXPECT_EQ(face.bold(), style == TReportFontStyle::Bold12);
        EXPECT_EQ(font.pointSize(), style == TReportFontStyle::Bold12 ? 12 : 10);
        RecordProperty(style == TReportFontStyle::Bold12 ? "bold_face" : "regular_face",
                       face.family().toStdString());
    }
}

struct FaceCase
{
    const char* family;
    bool usable;
};

class ReportFace : public ::testing::TestWithParam<FaceCase>
{};

TEST_P(ReportFace, IsAcceptedOnlyWithCourierCells)
{
    QFont font(QString::fromLatin1(GetParam().family));
    font.setPointSize(10);
    if (GetParam().usable) {
        EXPECT_NO_THROW(requireCourierMetrics(font));
        return;
    }
    try {
        requireCourierMetrics(font);
        FAIL() << "accepted " << GetParam().family;
    } catch (const std::runtime_error& failure) {
        const QString message = QString::fromUtf8(failure.what());
        EXPECT_TRUE(message.contains(u"Courier New"_s)) << failure.what();
        EXPECT_TRUE(message.contains(QFontInfo(font).family())) << failure.what();
    }
}

// DejaVu Sans Mono is fixed-pitch too, but its cells are 0.602 of the size: 28 of them drift by a
// fifth of a millimetre, enough to move a count off its legend.
INSTANTIATE_TEST_SUITE_P(Faces, ReportFace,
                         ::testing::Values(FaceCase{"Liberation Mono", true},
                                           FaceCase{"Liberation Sans", false},
                                           FaceCase{"DejaVu Sans Mono", false}),
                         [](const auto& info) {
                             std::string name = info.param.family;
                             std::erase(name, ' ');
                             return name;
                         });
