#include "files/JpegEndWatch.h"

#include <QLoggingCategory>
#include <QString>

namespace garabel {

namespace {

constexpr char kJpegCategory[] = "qt.gui.imageio.jpeg";

thread_local JpegEndWatch *t_watch = nullptr;
QtMessageHandler s_nextHandler = nullptr;
QLoggingCategory::CategoryFilter s_nextFilter = nullptr;

void takeMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (t_watch && context.category && qstrcmp(context.category, kJpegCategory) == 0) {
        t_watch->decoderWarned(message.contains(QLatin1String("premature end"), Qt::CaseInsensitive));
        return;
    }
    if (s_nextHandler)
        s_nextHandler(type, context, message);
}

void keepJpegWarnings(QLoggingCategory *category)
{
    if (s_nextFilter)
        s_nextFilter(category);
    if (qstrcmp(category->categoryName(), kJpegCategory) == 0)
        category->setEnabled(QtWarningMsg, true);
}

void installOnce()
{
    static const bool installed = [] {
        s_nextHandler = qInstallMessageHandler(takeMessage);
        s_nextFilter = QLoggingCategory::installFilter(keepJpegWarnings);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

JpegEndWatch::JpegEndWatch() : m_outer(t_watch)
{
    installOnce();
    t_watch = this;
}

JpegEndWatch::~JpegEndWatch()
{
    t_watch = m_outer;
}

} // namespace garabel
