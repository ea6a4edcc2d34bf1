#pragma once

#include <functional>
#include <memory>

class QWidget;

// Brings the application up and takes it down. createObjects creates the application's
// long-lived objects in their order and returns the main window, which the caller keeps.
// The main window is then shown and the event loop runs until the main window is closed.
// A failure escaping creation or the loop is shown in the failure display and ends the run
// at once; the main window is then never shown. Returns the exit code, 0 on every path.
int RunApplication(const std::function<QWidget&()>& createObjects);

// Creates one long-lived object of the application: owner keeps it for the whole run, and
// reference, the process-wide name other code knows it by, is set once.
template <typename T> T& CreateObject(std::unique_ptr<T>& owner, T*& reference)
{
    owner = std::make_unique<T>();
    reference = owner.get();
    return *owner;
}
