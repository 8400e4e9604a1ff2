#include "Form1Texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>

#include "Form1Layout.h"
#include "tembrix/localisation/Form1Controls.h"
#include "tembrix/platformqt/TextBridge.h"

namespace tembrix {

namespace {

// The property that holds a design control's caption: a button's, check
// box's, label's or menu item's text, a frame's or menu's title; none for the
// other controls.
const char* captionProperty(const QObject* control) {
    if (qobject_cast<const QAbstractButton*>(control) || qobject_cast<const QLabel*>(control) ||
        qobject_cast<const QAction*>(control))
        return "text";
    if (qobject_cast<const QGroupBox*>(control) || qobject_cast<const QMenu*>(control))
        return "title";
    return nullptr;
}

} // namespace

QString controlCaption(const QObject* control) {
    const char* property = captionProperty(control);
    return property ? control->property(property).toString() : QString();
}

void setControlCaption(QObject* control, const QString& caption) {
    const char* property = captionProperty(control);
    if (!property)
        return;
    control->setProperty(property, caption);
    // Labels "sized to their text" follow it, as they did at design time.
    if (auto* label = qobject_cast<QLabel*>(control);
        label && label->property("tembrixAutoSize").toBool())
        label->resize(label->sizeHint().width(), label->height());
}

class Form1Texts::Control : public TranslatableControl {
public:
    Control(QObject* object, int index, bool hasCaption, bool hasToolTip)
        : m_object(object), m_index(index), m_hasCaption(hasCaption), m_hasToolTip(hasToolTip) {}

    QObject* object() const { return m_object; }

    std::string name() const override {
        return m_object ? m_object->objectName().toStdString() : std::string();
    }
    std::optional<int> index() const override {
        return m_index < 0 ? std::nullopt : std::optional<int>(m_index);
    }
    std::optional<std::string> caption() const override {
        if (!m_hasCaption || !m_object)
            return std::nullopt;
        return cp1252FromQt(controlCaption(m_object));
    }
    void setCaption(const std::string& text) override {
        if (m_hasCaption && m_object)
            setControlCaption(m_object, qtFromCp1252(text));
    }
    std::optional<std::string> toolTip() const override {
        auto* widget = qobject_cast<QWidget*>(m_object.data());
        if (!m_hasToolTip || !widget)
            return std::nullopt;
        return cp1252FromQt(widget->toolTip());
    }
    void setToolTip(const std::string& text) override {
        if (auto* widget = qobject_cast<QWidget*>(m_object.data()); m_hasToolTip && widget)
            widget->setToolTip(qtFromCp1252(text));
    }

private:
    QPointer<QObject> m_object;
    int m_index;
    bool m_hasCaption;
    bool m_hasToolTip;
};

Form1Texts::Form1Texts(QWidget* window, Form1Widgets& widgets)
    : m_window(window), m_widgets(widgets) {}

Form1Texts::~Form1Texts() = default;

std::string Form1Texts::name() const {
    return std::string(kForm1Name);
}

std::string Form1Texts::title() const {
    return cp1252FromQt(m_window->windowTitle());
}

void Form1Texts::setTitle(const std::string& text) {
    m_window->setWindowTitle(qtFromCp1252(text));
}

Form1Texts::Control* Form1Texts::controlFor(QObject* object, int index, bool hasCaption,
                                            bool hasToolTip) const {
    for (const auto& control : m_controls) {
        if (control->object() == object)
            return control.get();
    }
    m_controls.push_back(std::make_unique<Control>(object, index, hasCaption, hasToolTip));
    return m_controls.back().get();
}

std::vector<TranslatableControl*> Form1Texts::controls() const {
    std::vector<TranslatableControl*> result;
    for (const ControlText& row : form1Controls()) {
        const QString name = QString::fromUtf8(row.name.data(), qsizetype(row.name.size()));
        QObject* object = m_widgets.find(name, row.index);
        if (!object)
            continue;
        result.push_back(controlFor(object, row.index, row.hasCaption, row.hasToolTip));
        if (object == m_widgets.MNlangueChoice.front()) {
            for (std::size_t i = 1; i < m_widgets.MNlangueChoice.size(); ++i)
                result.push_back(controlFor(m_widgets.MNlangueChoice[i], int(i), true, false));
        }
    }
    return result;
}

} // namespace tembrix
