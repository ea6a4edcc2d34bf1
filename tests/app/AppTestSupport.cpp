#include "AppTestSupport.h"

FailureRecorder::FailureRecorder()
    : m_previous(SetFailureDisplay([this](const QString& text) { m_shown.append(text); }))
{}

FailureRecorder::~FailureRecorder()
{
    SetFailureDisplay(std::move(m_previous));
}

TExpertNames NoSettingsKey()
{
    return {};
}
