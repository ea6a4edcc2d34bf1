#include "ReportElements.h"

TReportLabel::TReportLabel(const QString& name, const QString& text, Mm100 left, Mm100 top,
                           TReportFontStyle font, QObject* parent)
    : QObject(parent), m_text(text), m_left(left), m_top(top), m_font(font)
{
    setObjectName(name);
}

TReportShape::TReportShape(const QString& name, const TShapeItem& item, QObject* parent)
    : QObject(parent), m_item(item)
{
    setObjectName(name);
}

TReportTable::TReportTable(const QString& name, QObject* parent) : QObject(parent)
{
    setObjectName(name);
}
