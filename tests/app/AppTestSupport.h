#pragma once

#include "FailureDisplay.h"
#include "Settings.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

// Records what the failure display is given instead of opening a modal box, for its lifetime.
class FailureRecorder
{
public:
    FailureRecorder();
    ~FailureRecorder();
    FailureRecorder(const FailureRecorder&) = delete;
    FailureRecorder& operator=(const FailureRecorder&) = delete;

    const QStringList& Shown() const { return m_shown; }

private:
    QStringList m_shown;
    TFailureDisplay m_previous;
};

// The settings of a machine without the settings key, so that tests do not depend on the host.
TExpertNames NoSettingsKey();

// The child of parent with the given objectName and type; fails the test when there is none.
template <typename T> T* Control(const QWidget& parent, const char* name)
{
    T* control = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << "no control " << name;
    return control;
}
