#include "platform/qt/dialog_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QString>
#include <QStringList>
#include <QToolButton>
#include <QTreeWidget>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "core/translation.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/window_metrics.h"

namespace ga {

namespace {

constexpr int kDialogFontPoints = 9;
// QLineEdit's own limit, which stands for "no limit".
constexpr int kUnlimitedText = 32767;

QFont dialogFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(kDialogFontPoints);
    return font;
}

QRect toPixels(const DialogControl& control, const QFont& font) {
    const QSize topLeft = dialogUnitsToPixels(QSize(control.x, control.y), font);
    const QSize size = dialogUnitsToPixels(QSize(control.width, control.height), font);
    return QRect(QPoint(topLeft.width(), topLeft.height()), size);
}

QStringList columnsOf(const std::string& text) {
    return toQt(text).split(QLatin1Char('\t'));
}

bool isField(DialogControlKind kind) {
    return kind == DialogControlKind::kEditField || kind == DialogControlKind::kSelectionList ||
           kind == DialogControlKind::kTable || kind == DialogControlKind::kReadOnlyCentredField;
}

// A static text as a screen reader says it: on one line, a label without
// its closing colon.
QString spokenText(const QWidget& label) {
    QString text = static_cast<const QLabel&>(label).text().simplified();
    if (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text;
}

// Each change is an event a screen reader hears: only real ones are made.
void tellScreenReaders(QWidget& widget, const QString& name, const QString& description) {
    if (widget.accessibleName() != name) widget.setAccessibleName(name);
    if (widget.accessibleDescription() != description) widget.setAccessibleDescription(description);
}

QToolButton* makeArrow(Qt::ArrowType arrow, const QString& name, QWidget& parent) {
    auto* button = new QToolButton(&parent);
    button->setObjectName(name);
    button->setAccessibleName(name);  // an arrow alone has no words
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    // Held down, an arrow keeps stepping, as up-down controls do.
    button->setAutoRepeat(true);
    return button;
}

}  // namespace

QWidget* modalOwner(QWidget& mainWindow) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr ? modal : &mainWindow;
}

DialogWindow::DialogWindow(const DialogTemplate& dialog, DialogEvents& events, QWidget* owner)
    : QDialog(owner), events_(events) {
    setObjectName(QStringLiteral("dialog_%1").arg(dialog.id));
    setWindowTitle(toQt(dialog.title));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setFont(dialogFont());
    setFixedSize(dialogUnitsToPixels(QSize(dialog.width, dialog.height), font()));
    build(dialog);
    if (catalogueInstalled()) widenForLongerTexts();
}

// A translated text may need more room than the English one the template was
// made for: the dialog then widens, every control with it, until the longest
// one-line text fits (up to twice its width). English dialogs stay as made.
void DialogWindow::widenForLongerTexts() {
    double factor = 1.0;
    for (const Control& control : inOrder_) {
        QWidget* widget = control.widget;
        int needed = 0;
        switch (control.kind) {
            case DialogControlKind::kCheckBox:
            case DialogControlKind::kButton:
            case DialogControlKind::kDefaultButton:
                needed = widget->sizeHint().width();
                break;
            case DialogControlKind::kStaticText: {
                // A paragraph wraps within its room; a one-line label cannot.
                const QFontMetrics metrics = widget->fontMetrics();
                if (widget->height() > metrics.lineSpacing() * 3 / 2) continue;
                for (const QString& line : static_cast<QLabel*>(widget)->text().split('\n'))
                    needed = std::max(needed, metrics.horizontalAdvance(line) + 2);
                break;
            }
            default:
                continue;
        }
        if (widget->width() > 0)
            factor = std::max(factor, static_cast<double>(needed) / widget->width());
    }
    factor = std::min(factor, 2.0);
    if (factor <= 1.0) return;
    const auto widened = [factor](int pixels) { return static_cast<int>(pixels * factor + 0.5); };
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) continue;
        const QRect place = child->geometry();
        child->setGeometry(widened(place.x()), place.y(),
                           widened(place.x() + place.width()) - widened(place.x()), place.height());
    }
    setFixedSize(widened(width()), height());
}

void DialogWindow::build(const DialogTemplate& dialog) {
    for (const DialogControl& control : dialog.controls) {
        QWidget* widget = makeControl(control);
        inOrder_.push_back(Control{control.kind, widget});
        if (control.id == kNoControlId) continue;
        widget->setObjectName(QStringLiteral("control_%1").arg(control.id));
        controls_[control.id] = Control{control.kind, widget};
    }
    // A buddy may come after its up-down in the template.
    for (const DialogControl& control : dialog.controls) {
        if (control.kind == DialogControlKind::kUpDown && control.id != kNoControlId) {
            attachUpDown(control.id, control.buddy);
        }
    }
}

QWidget* DialogWindow::makeControl(const DialogControl& control) {
    const QString text = toQt(control.text);
    const int id = control.id;
    QRect rect = toPixels(control, font());
    QWidget* widget = nullptr;
    switch (control.kind) {
        case DialogControlKind::kDefaultButton:
        case DialogControlKind::kButton: {
            auto* button = new QPushButton(text, this);
            // Every button takes Enter while it has the focus; the default
            // one takes it whenever the focus is on something else.
            button->setAutoDefault(true);
            button->setDefault(control.kind == DialogControlKind::kDefaultButton);
            connect(button, &QPushButton::clicked, this, [this, id] { command(id); });
            widget = button;
            break;
        }
        case DialogControlKind::kStaticText: {
            auto* label = new QLabel(this);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
            label->setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            widget = label;
            break;
        }
        case DialogControlKind::kSelectionList: {
            auto* list = new QComboBox(this);
            list->setEditable(false);
            // The template's height includes the dropped-down list; the
            // closed box is only as high as the style draws it.
            rect.setHeight(std::min(rect.height(), list->sizeHint().height()));
            connect(list, &QComboBox::activated, this, [this, id] { command(id); });
            widget = list;
            break;
        }
        case DialogControlKind::kCheckBox: {
            auto* box = new QCheckBox(text, this);
            // `clicked` comes from the player only, after the state flipped.
            connect(box, &QCheckBox::clicked, this, [this, id] { command(id); });
            widget = box;
            break;
        }
        case DialogControlKind::kEditField: {
            auto* field = new QLineEdit(text, this);
            field->setFrame(true);
            // `textEdited`, unlike `textChanged`, ignores the logic's setText.
            connect(field, &QLineEdit::textEdited, this, [this, id] { command(id); });
            widget = field;
            break;
        }
        case DialogControlKind::kReadOnlyCentredField: {
            auto* field = new QLineEdit(text, this);
            field->setReadOnly(true);
            field->setAlignment(Qt::AlignCenter);
            QPalette palette = field->palette();
            palette.setColor(QPalette::Base, palette.color(QPalette::Button));
            field->setPalette(palette);
            widget = field;
            break;
        }
        case DialogControlKind::kTable: {
            auto* table = new QTreeWidget(this);
            const QStringList headings = columnsOf(control.text);
            table->setColumnCount(static_cast<int>(headings.size()));
            table->setHeaderLabels(headings);
            table->setRootIsDecorated(false);
            table->setUniformRowHeights(true);  // many rows stay quick
            table->setAllColumnsShowFocus(true);
            table->setSelectionMode(QAbstractItemView::SingleSelection);
            for (int column = 0; column < headings.size(); ++column)
                table->setColumnWidth(column, rect.width() / (headings.size() + 1));
            connect(table, &QTreeWidget::currentItemChanged, this, [this, id] {
                if (!fillingTable_) command(id);
            });
            connect(table, &QTreeWidget::itemDoubleClicked, this, [this] {
                for (const auto& [other, shown] : controls_) {
                    if (shown.kind == DialogControlKind::kDefaultButton) command(other);
                }
            });
            widget = table;
            break;
        }
        case DialogControlKind::kUpDown: {
            widget = new QWidget(this);
            const int upHeight = rect.height() / 2;
            QToolButton* up = makeArrow(Qt::UpArrow, toQt(translate("Window", "up")), *widget);
            QToolButton* down =
                makeArrow(Qt::DownArrow, toQt(translate("Window", "down")), *widget);
            up->setGeometry(0, 0, rect.width(), upHeight);
            down->setGeometry(0, upHeight, rect.width(), rect.height() - upHeight);
            connect(up, &QToolButton::clicked, this, [this, id] { upDown(id, -1); });
            connect(down, &QToolButton::clicked, this, [this, id] { upDown(id, +1); });
            break;
        }
    }
    widget->setGeometry(rect);
    return widget;
}

void DialogWindow::attachUpDown(int upDownId, int buddyId) {
    QWidget* buddy = find(buddyId, DialogControlKind::kEditField);
    if (buddy == nullptr) return;
    buddies_[buddy] = upDownId;
    buddy->installEventFilter(this);
}

QWidget* DialogWindow::control(int id) const {
    const auto found = controls_.find(id);
    return found != controls_.end() ? found->second.widget : nullptr;
}

QWidget* DialogWindow::find(int id, DialogControlKind kind) const {
    const auto found = controls_.find(id);
    if (found == controls_.end() || found->second.kind != kind) return nullptr;
    return found->second.widget;
}

void DialogWindow::nameForScreenReaders() {
    struct Field {
        QWidget* widget;
        QWidget* label;  // none: the dialog's title names it
        QStringList about;
    };
    std::vector<Field> fields;
    QStringList dialogAbout;
    QWidget* label = nullptr;  // labels the fields that follow it
    bool aboutField = false;   // the free texts that follow tell about the last field
    for (size_t i = 0; i < inOrder_.size(); ++i) {
        const Control& shown = inOrder_[i];
        if (shown.kind == DialogControlKind::kUpDown) continue;  // a field's arrows
        if (isField(shown.kind)) {
            fields.push_back(Field{shown.widget, label, {}});
            aboutField = true;
            continue;
        }
        label = nullptr;
        if (shown.kind != DialogControlKind::kStaticText) {
            aboutField = false;
            continue;
        }
        size_t next = i + 1;
        while (next < inOrder_.size() && inOrder_[next].kind == DialogControlKind::kUpDown) ++next;
        if (next < inOrder_.size() && isField(inOrder_[next].kind)) {
            label = shown.widget;
            aboutField = false;
            continue;
        }
        const QString words = spokenText(*shown.widget);
        if (!words.isEmpty()) (aboutField ? fields.back().about : dialogAbout) << words;
    }
    std::map<QWidget*, int> labelled, counted;
    for (const Field& field : fields)
        if (field.label != nullptr) ++labelled[field.label];
    for (const Field& field : fields) {
        QString name = field.label != nullptr ? spokenText(*field.label) : windowTitle();
        if (field.label != nullptr && labelled[field.label] > 1)
            name += QLatin1Char(' ') + QString::number(++counted[field.label]);
        tellScreenReaders(*field.widget, name, field.about.join(QLatin1Char(' ')));
        // A label that never changes is also the buddy of its (first) field,
        // by which screen readers hear it too; an ampersand would then turn
        // into a key.
        auto* text = static_cast<QLabel*>(field.label);
        if (text != nullptr && counted[field.label] <= 1 && text->objectName().isEmpty() &&
            !text->text().contains(QLatin1Char('&')))
            text->setBuddy(field.widget);
        const auto arrows = buddies_.find(field.widget);
        if (QWidget* upDown = arrows != buddies_.end()
                                  ? find(arrows->second, DialogControlKind::kUpDown)
                                  : nullptr)
            tellScreenReaders(*upDown, name, QString());
    }
    tellScreenReaders(*this, QString(), dialogAbout.join(QLatin1Char('\n')));
}

int DialogWindow::run(QScreen* screen) {
    deliver([this] { events_.onInit(*this); });
    nameForScreenReaders();
    if (ended_) return result_;
    if (screen != nullptr) {
        // The frame is centred, so its size counts; a window manager may
        // tell it only once the window is shown, and then it is left out.
        create();
        const QMargins frame = windowHandle()->frameMargins();
        const QSize outer = size().grownBy(frame);
        const QRect area = screen->availableGeometry();
        const QPoint offset((area.width() - outer.width()) / 2,
                            (area.height() - outer.height()) / 2);
        move(area.topLeft() + QPoint(std::max(offset.x(), 0), std::max(offset.y(), 0)));
    }
    running_ = true;
    exec();
    running_ = false;
    return ended_ ? result_ : kDialogCancel;
}

// --- what the player does ------------------------------------------------------------

template <typename Handler>
void DialogWindow::deliver(Handler&& handler) {
    if (ended_) return;
    ++handlersRunning_;
    std::forward<Handler>(handler)();
    --handlersRunning_;
    closeIfEnded();
}

void DialogWindow::closeIfEnded() {
    if (ended_ && running_ && handlersRunning_ == 0 && isVisible()) QDialog::done(result_);
}

void DialogWindow::command(int id) {
    deliver([this, id] { events_.onCommand(*this, id); });
}

void DialogWindow::upDown(int id, int delta) {
    deliver([this, id, delta] { events_.onUpDown(*this, id, delta); });
}

void DialogWindow::reject() {
    // Escape and the close box ask; only the events close the dialog.
    command(kDialogCancel);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    if (ended_) {
        event->accept();
        return;
    }
    event->ignore();
    command(kDialogCancel);
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto buddy = buddies_.find(watched);
    if (buddy == buddies_.end()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier) return false;
    if (key->key() != Qt::Key_Up && key->key() != Qt::Key_Down) return false;
    const int upDownId = buddy->second;
    QWidget* arrows = find(upDownId, DialogControlKind::kUpDown);
    if (arrows != nullptr && arrows->isEnabled()) {
        upDown(upDownId, key->key() == Qt::Key_Up ? -1 : +1);
    }
    return true;
}

// --- DialogHost --------------------------------------------------------------------------

void DialogWindow::setText(int id, const std::string& text) {
    QWidget* widget = control(id);
    const QString shown = toQt(text);
    if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        field->setText(shown);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(QString(shown).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        if (running_) nameForScreenReaders();  // a label's or a description's words
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(shown);
    }
}

std::string DialogWindow::text(int id) {
    QWidget* widget = control(id);
    QString shown;
    if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        shown = field->text();
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        shown = label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        shown = button->text();
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        shown = list->currentText();
    }
    return fromQt(shown);
}

void DialogWindow::setTextLimit(int id, int characters) {
    if (auto* field = qobject_cast<QLineEdit*>(control(id))) {
        field->setMaxLength(characters > 0 ? std::min(characters, kUnlimitedText) : kUnlimitedText);
    }
}

void DialogWindow::setItems(int id, const std::vector<std::string>& items) {
    if (auto* table = qobject_cast<QTreeWidget*>(find(id, DialogControlKind::kTable))) {
        fillingTable_ = true;
        table->clear();
        QList<QTreeWidgetItem*> rows;
        rows.reserve(static_cast<int>(items.size()));
        for (const std::string& item : items) rows << new QTreeWidgetItem(columnsOf(item));
        table->addTopLevelItems(rows);
        table->setCurrentItem(nullptr);
        fillingTable_ = false;
        return;
    }
    auto* list = qobject_cast<QComboBox*>(find(id, DialogControlKind::kSelectionList));
    if (list == nullptr) return;
    QStringList entries;
    for (const std::string& item : items) entries << toQt(item);
    list->clear();
    list->addItems(entries);
    // Filling a box selects its first entry; a fresh list has none selected.
    list->setCurrentIndex(-1);
}

void DialogWindow::setItem(int id, int index, const std::string& item) {
    auto* table = qobject_cast<QTreeWidget*>(find(id, DialogControlKind::kTable));
    QTreeWidgetItem* row = table != nullptr ? table->topLevelItem(index) : nullptr;
    if (row == nullptr) return;
    const QStringList columns = columnsOf(item);
    for (int column = 0; column < columns.size(); ++column) row->setText(column, columns[column]);
}

void DialogWindow::select(int id, int index) {
    if (auto* table = qobject_cast<QTreeWidget*>(find(id, DialogControlKind::kTable))) {
        fillingTable_ = true;
        QTreeWidgetItem* row = table->topLevelItem(index);
        table->setCurrentItem(row);
        if (row != nullptr) table->scrollToItem(row);
        fillingTable_ = false;
        return;
    }
    auto* list = qobject_cast<QComboBox*>(find(id, DialogControlKind::kSelectionList));
    if (list == nullptr) return;
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

int DialogWindow::selection(int id) {
    if (auto* table = qobject_cast<QTreeWidget*>(find(id, DialogControlKind::kTable))) {
        QTreeWidgetItem* row = table->currentItem();
        return row != nullptr ? table->indexOfTopLevelItem(row) : -1;
    }
    auto* list = qobject_cast<QComboBox*>(find(id, DialogControlKind::kSelectionList));
    return list != nullptr ? list->currentIndex() : -1;
}

void DialogWindow::setChecked(int id, bool checked) {
    if (auto* box = qobject_cast<QCheckBox*>(find(id, DialogControlKind::kCheckBox))) {
        box->setChecked(checked);
    }
}

bool DialogWindow::checked(int id) {
    auto* box = qobject_cast<QCheckBox*>(find(id, DialogControlKind::kCheckBox));
    return box != nullptr && box->isChecked();
}

void DialogWindow::enable(int id, bool enabled) {
    if (QWidget* widget = control(id)) widget->setEnabled(enabled);
}

void DialogWindow::end(int result) {
    if (ended_) return;
    ended_ = true;
    result_ = result;
    closeIfEnded();
}

}  // namespace ga
