#pragma once

#include "ReportFont.h"
#include "ReportPageContent.h"
#include "ReportUnits.h"

#include <QObject>
#include <QString>

// A printable text of a report. It sizes itself to its text: its left and top edges stay put, its width
// is that of the text and its height one line of its font. A disabled label is not printed.
class TReportLabel : public QObject
{
    Q_OBJECT

public:
    TReportLabel(const QString& name, const QString& text, Mm100 left, Mm100 top, TReportFontStyle font,
                 QObject* parent);

    const QString& text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }

    Mm100 left() const { return m_left; }
    Mm100 top() const { return m_top; }
    TReportFontStyle fontStyle() const { return m_font; }

    TLabelItem item() const { return {m_text, m_left, m_top, m_font}; }

private:
    QString m_text;
    Mm100 m_left;
    Mm100 m_top;
    TReportFontStyle m_font;
    bool m_enabled = true;
};

// A frame rectangle or a single line of a report.
class TReportShape : public QObject
{
    Q_OBJECT

public:
    TReportShape(const QString& name, const TShapeItem& item, QObject* parent);

    const TShapeItem& item() const { return m_item; }

private:
    TShapeItem m_item;
};

// The data source a report names. It has neither database nor table and is never opened, so the report
// has no data rows and prints only its fixed elements, once.
class TReportTable : public QObject
{
    Q_OBJECT

public:
    TReportTable(const QString& name, QObject* parent);

    bool isActive() const { return false; }
};
