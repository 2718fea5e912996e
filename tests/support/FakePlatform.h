#pragma once

#include "desktop/Platform.h"

#include <deque>
#include <vector>

namespace garabel::test {

// A scripted desktop: answers come from queues that the test fills, and every
// request is recorded so the test can check what the program asked for.
class FakePlatform : public Platform
{
public:
    struct PrintedPage {
        QImage picture;
        QRectF twips;
        bool landscape = false;
        QString pdfFile;  // empty when printed on the printer
    };
    struct FakePrintJob;

    std::optional<QString> openFileDialog(const FileDialogRequest &request) override;
    std::optional<QString> saveFileDialog(const FileDialogRequest &request) override;
    std::optional<Rgb> colorDialog(const ColorDialogRequest &request) override;
    MessageAnswer messageBox(const QString &text, MessageButtons buttons) override;
    Result<std::unique_ptr<PrintJob>> printDialog(bool landscape) override;
    std::unique_ptr<PrintJob> startPdfJob(const QString &fileName) override;
    void quit() override { ++quitCalls; }
    ScreenInfo screen() const override { return screenInfo; }

    // Scripted answers; an empty queue answers "cancel" / the default.
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::deque<std::optional<Rgb>> colorAnswers;
    std::deque<MessageAnswer> messageAnswers;
    bool hasPrinter = true;
    // The print dialog: each answer is the orientation the user leaves the page
    // in (true: landscape), nullopt for Cancel; an empty queue prints the page
    // as offered.
    std::deque<std::optional<bool>> printDialogAnswers;
    bool printFails = false;
    QSizeF portraitPrintableTwips{11000, 15500};  // a portrait page's printable area
    ScreenInfo screenInfo{QSize(15360, 11520), 15, 15, {"Arial", "Courier New", "Times New Roman"}, {}, 1};

    // What the program asked.
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    std::vector<ColorDialogRequest> colorRequests;
    std::vector<std::pair<QString, MessageButtons>> messages;
    std::vector<bool> printDialogOffers;  // landscape or not, as each print dialog offered the page
    std::vector<PrintedPage> printedPages;
    int endedDocuments = 0;
    int quitCalls = 0;
};

} // namespace garabel::test
