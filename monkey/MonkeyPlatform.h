#pragma once

#include "desktop/QtPlatform.h"

#include <QTemporaryDir>

namespace garabel::monkey {

class EventLog;

// The real desktop, but a run never ends by the program's own hand and never
// reaches paper: quit() is noted and ignored (the driver never asks for it, so
// reaching it is worth seeing in the log), and the print dialog is answered at
// once with a job that writes a PDF file into a folder that goes away with the run.
class MonkeyPlatform : public QtPlatform
{
public:
    explicit MonkeyPlatform(EventLog &log) : m_log(log) {}

    Result<std::unique_ptr<PrintJob>> printDialog(bool landscape) override;
    void quit() override;

private:
    EventLog &m_log;
    QTemporaryDir m_printed;
};

} // namespace garabel::monkey
