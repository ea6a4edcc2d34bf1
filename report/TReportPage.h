#pragma once

#include "ReportElements.h"
#include "ReportPageContent.h"

#include <QObject>

#include <variant>
#include <vector>

class QPagedPaintDevice;

// A one-page report: a page setup and printable elements placed directly on the page, drawn in the
// order they were added. Derived reports add their elements in their constructor.
class TReportPage : public QObject
{
    Q_OBJECT

public:
    TReportPage(const QString& name, const TReportPageSetup& setup, QObject* parent);

    const TReportPageSetup& pageSetup() const { return m_setup; }

    // A value copy of the page as it would print now: the enabled labels and the shapes, in drawing order.
    TReportPageContent content() const;

    // Gives the device the report's page setup and draws the page on it as one page.
    void layOut(QPagedPaintDevice& device) const;

    // Lays the page out and shows it in a preview window of its own, from which it can be printed.
    // Returns when that window has been closed or the application is ending; events keep being
    // processed meanwhile, so a further call opens a second preview. Each preview keeps the page it
    // was opened with. Failures while laying out or showing the page are thrown as std::exception.
    void ShowPreview();

protected:
    TReportLabel* addLabel(const QString& name, const QString& text, Mm100 left, Mm100 top,
                           TReportFontStyle font = TReportFontStyle::Regular10);
    TReportShape* addShape(const QString& name, TShapeKind kind, Mm100 left, Mm100 top, Mm100 width,
                           Mm100 height);

private:
    TReportPageSetup m_setup;
    std::vector<std::variant<const TReportLabel*, const TReportShape*>> m_drawingOrder;
};
