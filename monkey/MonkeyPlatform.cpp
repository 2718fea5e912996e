#include "MonkeyPlatform.h"

#include "EventLog.h"

#include "platform/QtPrintJob.h"

#include <QPrinter>

namespace garabel::monkey {

std::unique_ptr<PrintJob> MonkeyPlatform::startPrintJob(QString *whyNot)
{
    if (!m_printed.isValid())
        return QtPlatform::startPrintJob(whyNot);
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(m_printed.filePath(QStringLiteral("page.pdf")));
    return std::make_unique<QtPrintJob>(std::move(printer));
}

void MonkeyPlatform::quit()
{
    m_log.note("the program asked to quit; ignored");
}

} // namespace garabel::monkey
