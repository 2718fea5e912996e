#include "MonkeyPlatform.h"

#include "EventLog.h"

namespace garabel::monkey {

Result<std::unique_ptr<PrintJob>> MonkeyPlatform::printDialog(bool landscape)
{
    if (!m_printed.isValid())
        return QtPlatform::printDialog(landscape);
    std::unique_ptr<PrintJob> job = startPdfJob(m_printed.filePath(QStringLiteral("page.pdf")));
    job->setLandscape(landscape);
    return job;
}

void MonkeyPlatform::quit()
{
    m_log.note("the program asked to quit; ignored");
}

} // namespace garabel::monkey
