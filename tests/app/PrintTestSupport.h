#pragma once

#include "PdfReader.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <optional>
#include <vector>

class QPrintPreviewDialog;
class QWidget;
class TPrKelForm;

// A site configuration of its own in a temporary XDG_CONFIG_DIRS, for its lifetime, so that the
// settings read at every print come from the test and not from the host.
class TemporarySettings
{
public:
    TemporarySettings();
    ~TemporarySettings();
    TemporarySettings(const TemporarySettings&) = delete;
    TemporarySettings& operator=(const TemporarySettings&) = delete;

    // Writes the settings file (UTF-8 "Name=value" lines), or removes it when contents is nullopt.
    void Write(std::optional<QByteArray> contents);

private:
    QTemporaryDir m_config;
    QByteArray m_previous;
    bool m_hadPrevious = false;
};

// Makes report the program's PrKelForm for its lifetime.
class ReportReference
{
public:
    explicit ReportReference(TPrKelForm* report);
    ~ReportReference();
    ReportReference(const ReportReference&) = delete;
    ReportReference& operator=(const ReportReference&) = delete;
};

// The one page of the report as laid out now, read back from a PDF in folder; throws unless the
// file holds exactly one page.
PdfPage LayOutSinglePage(const TPrKelForm& report, const QString& folder, const QString& name);

// The word with this text whose top-left corner lies at (leftMm, topMm) within a quarter millimetre.
std::optional<PdfWord> WordAt(const PdfPage& page, const QString& text, double leftMm, double topMm);

// Whether every blank-separated word of a fixed-pitch text stands in its own cell, the text
// beginning at (leftMm, topMm).
bool HasTextAt(const PdfPage& page, const QString& text, double leftMm, double topMm, int pointSize);

// Whether no word of the page starts inside the given band of the sheet.
bool NoWordStartsIn(const PdfPage& page, double leftMm, double rightMm, double topMm, double bottomMm);

// Types text into widget key by key, as a keyboard with any layout does; QTest::keyClicks itself
// takes only Latin-1 text.
void TypeText(QWidget* widget, const QString& text);

// The visible report previews.
QList<QPrintPreviewDialog*> OpenPreviews();
bool WaitForPreviews(qsizetype count);
void CloseAllPreviews();

// Prints what a preview shows into a PDF file through the preview's own print command and reads it back.
PdfPage PrintPreview(QPrintPreviewDialog* preview, const QString& path);

// For its lifetime, an event loop still running a minute after it was created is ended as a
// failure, so that a regression shows up as a failed test rather than a hanging one.
class LoopWatchdog
{
public:
    LoopWatchdog();

private:
    QTimer m_timer;
};
