#include "ReportPreview.h"

#include "ReportLayout.h"

#include <QApplication>
#include <QEventLoop>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <exception>
#include <memory>
#include <stdexcept>

void showPreviewAndWait(const TReportPageContent& content)
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        throw std::runtime_error("The report preview needs a running application");

    // The page as it is now: later changes to the report belong to later previews.
    const auto page = std::make_shared<const TReportPageContent>(content);

    QPrinter printer(QPrinter::HighResolution);
    setUpPage(printer, page->setup);

    QPrintPreviewDialog dialog(&printer);
    dialog.setWindowTitle(page->setup.title);
    // The preview must not keep the application alive once the main window has been closed.
    dialog.setAttribute(Qt::WA_QuitOnClose, false);

    // Qt does not carry exceptions through its event loop: keep the first one, close the preview and
    // rethrow it once the wait is over.
    std::exception_ptr failure;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&failure, &dialog, page](QPrinter* target) {
                         if (failure)
                             return;
                         try {
                             // Accepting the print dialog hands the printer its own default paper; the
                             // page stays US Letter, portrait, whatever the printer offers.
                             target->setPageSize(page->setup.layout.pageSize());
                             target->setPageOrientation(page->setup.layout.orientation());
                             layOutPage(*target, *page);
                         } catch (...) {
                             failure = std::current_exception();
                             QMetaObject::invokeMethod(&dialog, &QDialog::reject, Qt::QueuedConnection);
                         }
                     });

    QEventLoop wait;
    QObject::connect(&dialog, &QDialog::finished, &wait, &QEventLoop::quit);
    dialog.show();
    // QCoreApplication::exit() ends every running event loop, this one included, and makes a loop
    // started afterwards return at once: the application's end always ends the wait.
    if (!failure && dialog.isVisible())
        wait.exec();

    if (failure)
        std::rethrow_exception(failure);
}
