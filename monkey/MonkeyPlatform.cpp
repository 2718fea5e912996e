#include "MonkeyPlatform.h"

#include "EventLog.h"

namespace garabel::monkey {

std::unique_ptr<PrintJob> MonkeyPlatform::startPrintJob(QString *whyNot)
{
    if (!m_printed.isValid())
        return QtPlatform::startPrintJob(whyNot);
    return startPdfJob(m_printed.filePath(QStringLiteral("page.pdf")));
}

void MonkeyPlatform::quit()
{
    m_log.note("the program asked to quit; ignored");
}

} // namespace garabel::monkey
