#include "ui/common/translatable.h"

#include "ui/common/form_layout.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMetaObject>
#include <QWidget>

#include <utility>

namespace kestrova {

namespace {

// Dynamic property holding the French source of a translatable property.
QByteArray SourceKey(const char* property)
{
    return QByteArrayLiteral("kestrova.source.") + property;
}

const char* ContextOf(const QObject& object)
{
    for (const QObject* o = &object; o != nullptr; o = o->parent()) {
        const char* name = o->metaObject()->className();
        if (qstrncmp(name, "kestrova::", 10) == 0)
            return name;
    }
    return "kestrova";
}

void Retranslate(QObject& object)
{
    const QByteArray prefix = SourceKey("");
    for (const QByteArray& key : object.dynamicPropertyNames()) {
        if (!key.startsWith(prefix))
            continue;
        const QByteArray source = object.property(key.constData()).toByteArray();
        const QByteArray property = key.mid(prefix.size());
        object.setProperty(property.constData(), TranslateFor(object, source.constData()));
        if (auto* label = qobject_cast<QLabel*>(&object))
            FitLabel(label);
    }
}

class LanguageChangeFilter : public QObject {
public:
    LanguageChangeFilter(QWidget& widget, std::function<void()> more)
        : QObject(&widget)
        , more_(std::move(more))
    {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange && watched == parent()) {
            RetranslateTexts(*watched);
            if (more_)
                more_();
        }
        return false;
    }

private:
    std::function<void()> more_;
};

} // namespace

QString TranslateFor(const QObject& object, const char* source)
{
    return QCoreApplication::translate(ContextOf(object), source);
}

void SetTranslatable(QObject* object, const char* property, const char* source)
{
    object->setProperty(SourceKey(property).constData(), QByteArray(source));
    object->setProperty(property, TranslateFor(*object, source));
}

void RetranslateTexts(QObject& root)
{
    Retranslate(root);
    for (QObject* child : root.findChildren<QObject*>())
        Retranslate(*child);
}

void RetranslateOnLanguageChange(QWidget& widget, std::function<void()> more)
{
    new LanguageChangeFilter(widget, std::move(more));
}

} // namespace kestrova
