#pragma once

#include <QString>

#include <exception>
#include <functional>
#include <string_view>

// The application's one way of telling the user about a failure that escaped the program's
// own code: a modal error box captioned with the application's title.

// The text shown for a failure message: a full stop is appended when the message is not
// empty and its last character's code is greater than that of '.'.
QString FailureText(std::string_view message);

// Shows text to the user. Tests replace it, so that no test waits on a modal box.
using TFailureDisplay = std::function<void(const QString& text)>;

// Installs display (an empty one restores the message box) and returns the one it replaces.
TFailureDisplay SetFailureDisplay(TFailureDisplay display);

// Shows failure.what() (UTF-8) through the current display.
void ShowFailure(const std::exception& failure);

// Runs handler; a failure escaping it is shown and goes no further, so that no exception
// ever crosses the event loop and the loop goes on with the next event.
template <typename Handler> void RunGuarded(Handler&& handler)
{
    try {
        handler();
    } catch (const std::exception& failure) {
        ShowFailure(failure);
    }
}
