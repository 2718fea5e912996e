#include "window/ViewNotice.h"

#include <QLabel>
#include <QTimer>

namespace garabel {

namespace {
const QString kNoticeName = QStringLiteral("viewNotice");
constexpr int kMargin = 8;

QLabel *noticeOf(QWidget &view)
{
    if (auto *notice = view.findChild<QLabel *>(kNoticeName, Qt::FindDirectChildrenOnly))
        return notice;
    auto *notice = new QLabel(&view);  // owned by the view
    notice->setObjectName(kNoticeName);
    notice->setAttribute(Qt::WA_TransparentForMouseEvents);
    notice->setStyleSheet(QStringLiteral("QLabel { background: #fffbe6; color: black;"
                                         " border: 1px solid #806000; padding: 4px 8px; }"));
    auto *hide = new QTimer(notice);
    hide->setObjectName(QStringLiteral("viewNoticeTimer"));
    hide->setSingleShot(true);
    QObject::connect(hide, &QTimer::timeout, notice, &QWidget::hide);
    return notice;
}
} // namespace

void showViewNotice(QWidget &view, const QString &text)
{
    QLabel *notice = noticeOf(view);
    notice->setText(text);
    notice->adjustSize();
    notice->move(kMargin, qMax(0, view.height() - notice->height() - kMargin));
    notice->show();
    notice->raise();
    notice->findChild<QTimer *>()->start(kViewNoticeMs);
}

} // namespace garabel
