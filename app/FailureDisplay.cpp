#include "FailureDisplay.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <utility>

namespace {

void ShowInMessageBox(const QString& text)
{
    // The application's title is the executable's name without its extension.
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), text, QMessageBox::Ok);
    box.exec();
}

TFailureDisplay& CurrentDisplay()
{
    static TFailureDisplay display = ShowInMessageBox;
    return display;
}

} // namespace

QString FailureText(std::string_view message)
{
    QString text = QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
    if (!text.isEmpty() && text.back().unicode() > u'.')
        text += u'.';
    return text;
}

TFailureDisplay SetFailureDisplay(TFailureDisplay display)
{
    if (!display)
        display = ShowInMessageBox;
    return std::exchange(CurrentDisplay(), std::move(display));
}

void ShowFailure(const std::exception& failure)
{
    CurrentDisplay()(FailureText(failure.what()));
}
