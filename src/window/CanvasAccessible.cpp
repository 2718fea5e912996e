#include "window/CanvasAccessible.h"

#include "desktop/ReaderEvents.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QVariant>
#include <QWidget>

namespace garabel {

namespace {
// The canvas's words are kept by its CanvasAccessible, which the view points
// to, where the accessible interface, which Qt creates and keeps on its own,
// finds it.
constexpr const char *kWordsProperty = "garabelCanvasWords";

const CanvasAccessible *wordsOf(const QWidget &view)
{
    return static_cast<const CanvasAccessible *>(view.property(kWordsProperty).value<void *>());
}

class CanvasInterface : public QAccessibleWidget
{
public:
    explicit CanvasInterface(QWidget *view) : QAccessibleWidget(view, QAccessible::Canvas) {}

    QString text(QAccessible::Text kind) const override
    {
        const CanvasAccessible *words = wordsOf(*widget());
        switch (kind) {
        case QAccessible::Name:
            return QCoreApplication::translate("garabel::CanvasAccessible", "Lienzo");
        case QAccessible::Value: return words ? words->value() : QString();
        case QAccessible::Description: return words ? words->description() : QString();
        default: return QAccessibleWidget::text(kind);
        }
    }
};

QAccessibleInterface *canvasInterface(const QString &, QObject *object)
{
    auto *view = qobject_cast<QWidget *>(object);
    return view && view->property(kWordsProperty).isValid() ? new CanvasInterface(view) : nullptr;
}
} // namespace

CanvasAccessible::CanvasAccessible(QWidget &canvasView, std::function<QString()> shown)
    : m_view(canvasView), m_shown(std::move(shown))
{
    static const bool installed = (QAccessible::installFactory(canvasInterface), true);
    Q_UNUSED(installed);
    m_view.setProperty(kWordsProperty, QVariant::fromValue(static_cast<void *>(this)));
}

CanvasAccessible::~CanvasAccessible()
{
    m_view.setProperty(kWordsProperty, QVariant::fromValue(static_cast<void *>(nullptr)));
}

void CanvasAccessible::setValue(const QString &value)
{
    if (value != m_told)
        tell(value);
}

// The words go out as the description they change to, which then goes back
// to what the canvas shows, without a word.
void CanvasAccessible::tell(const QString &words)
{
    m_told = words;
    m_telling = true;
    tellDescriptionChanged(m_view);
    m_telling = false;
}

QString CanvasAccessible::description() const
{
    return m_telling || !m_shown ? m_told : m_shown();
}

} // namespace garabel
