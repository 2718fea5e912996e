#include "support/FakePlatform.h"

namespace garabel::test {

namespace {
template <typename T>
T takeFront(std::deque<T> &queue, T fallback)
{
    // One value returned on every path: GCC takes a disengaged optional<QString>
    // moved out on a second path for an uninitialised one.
    T value = std::move(fallback);
    if (!queue.empty()) {
        value = std::move(queue.front());
        queue.pop_front();
    }
    return value;
}
const QString kPrinterFailure = QStringLiteral("La impresora no responde");
} // namespace

struct FakePlatform::FakePrintJob : PrintJob {
    FakePrintJob(FakePlatform &owner, QString pdfFile, bool landscape = false)
        : m_owner(owner), m_pdfFile(std::move(pdfFile)), m_landscape(landscape) {}
    Result<void> paintPicture(const QImage &picture, const QRectF &twips) override
    {
        if (m_owner.printFails)
            return Failure{kPrinterFailure};
        m_owner.printedPages.push_back({picture, twips, m_landscape, m_pdfFile});
        return {};
    }
    void setLandscape(bool landscape) override { m_landscape = landscape; }
    QSizeF printableTwips() const override
    {
        const QSizeF portrait = m_owner.portraitPrintableTwips;
        return m_landscape ? portrait.transposed() : portrait;
    }
    Result<void> endDocument() override
    {
        if (m_owner.printFails)
            return Failure{kPrinterFailure};
        ++m_owner.endedDocuments;
        return {};
    }
    FakePlatform &m_owner;
    QString m_pdfFile;
    bool m_landscape = false;
};

std::optional<QString> FakePlatform::openFileDialog(const FileDialogRequest &request)
{
    openRequests.push_back(request);
    return takeFront(openAnswers, std::optional<QString>{});
}

std::optional<QString> FakePlatform::saveFileDialog(const FileDialogRequest &request)
{
    saveRequests.push_back(request);
    return takeFront(saveAnswers, std::optional<QString>{});
}

std::optional<Rgb> FakePlatform::colorDialog(const ColorDialogRequest &request)
{
    colorRequests.push_back(request);
    return takeFront(colorAnswers, std::optional<Rgb>{});
}

MessageAnswer FakePlatform::messageBox(const QString &text, MessageButtons buttons)
{
    messages.emplace_back(text, buttons);
    const MessageAnswer fallback = buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    return takeFront(messageAnswers, fallback);
}

Result<std::unique_ptr<PrintJob>> FakePlatform::printDialog(bool landscape)
{
    if (!hasPrinter)
        return Failure{QStringLiteral("No hay ninguna impresora disponible")};
    printDialogOffers.push_back(landscape);
    const std::optional<bool> left = takeFront(printDialogAnswers, std::optional<bool>(landscape));
    if (!left)
        return std::unique_ptr<PrintJob>();
    return std::unique_ptr<PrintJob>(std::make_unique<FakePrintJob>(*this, QString(), *left));
}

std::unique_ptr<PrintJob> FakePlatform::startPdfJob(const QString &fileName)
{
    return std::make_unique<FakePrintJob>(*this, fileName);
}

} // namespace garabel::test
