#include "TReportPage.h"

#include "ReportLayout.h"
#include "ReportPreview.h"

TReportPage::TReportPage(const QString& name, const TReportPageSetup& setup, QObject* parent)
    : QObject(parent), m_setup(setup)
{
    setObjectName(name);
}

TReportPageContent TReportPage::content() const
{
    TReportPageContent page{m_setup, {}};
    page.items.reserve(m_drawingOrder.size());
    for (const auto& element : m_drawingOrder) {
        if (const auto* label = std::get_if<const TReportLabel*>(&element)) {
            if ((*label)->isEnabled())
                page.items.emplace_back((*label)->item());
        } else {
            page.items.emplace_back(std::get<const TReportShape*>(element)->item());
        }
    }
    return page;
}

void TReportPage::layOut(QPagedPaintDevice& device) const
{
    setUpPage(device, m_setup);
    layOutPage(device, content());
}

void TReportPage::ShowPreview()
{
    showPreviewAndWait(content());
}

TReportLabel* TReportPage::addLabel(const QString& name, const QString& text, Mm100 left, Mm100 top,
                                    TReportFontStyle font)
{
    auto* label = new TReportLabel(name, text, left, top, font, this);
    m_drawingOrder.emplace_back(label);
    return label;
}

TReportShape* TReportPage::addShape(const QString& name, TShapeKind kind, Mm100 left, Mm100 top, Mm100 width,
                                    Mm100 height)
{
    auto* shape = new TReportShape(name, TShapeItem{kind, left, top, width, height}, this);
    m_drawingOrder.emplace_back(shape);
    return shape;
}
