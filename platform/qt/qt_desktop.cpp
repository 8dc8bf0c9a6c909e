#include "platform/qt/qt_desktop.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QString>
#include <QStyleHints>
#include <QThread>
#include <QTimer>
#include <algorithm>

#include "platform/qt/accelerator_keys.h"
#include "platform/qt/board_painter.h"
#include "platform/qt/control_widgets.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/look_palette.h"
#include "platform/qt/menu_bar_builder.h"
#include "platform/qt/progress_bar_bridge.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/step_windows.h"
#include "platform/qt/window_metrics.h"
#include "platform/theme_palette.h"

namespace ga {

namespace {

constexpr int kBigFontLineHeight = 40;
constexpr int kSmallFontLineHeight = 18;
const QColor kClientBackground(192, 192, 192);

struct MovingKey {
    int key;
    CellKey move;
};
constexpr MovingKey kMovingKeys[] = {
    {Qt::Key_Up, CellKey::kUp},        {Qt::Key_Down, CellKey::kDown},
    {Qt::Key_Left, CellKey::kLeft},    {Qt::Key_Right, CellKey::kRight},
    {Qt::Key_Tab, CellKey::kNextOpen}, {Qt::Key_Backtab, CellKey::kPreviousOpen},  // Shift+Tab
};

// Marks the controls drawn in the application's font, scaled with the board.
constexpr const char* kScaledDefaultFont = "scaledDefaultFont";

QFont scaledDefaultFont(double fontScale) {
    QFont font = QApplication::font();
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * fontScale);
    } else {
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * fontScale)));
    }
    return font;
}

QRect toQRect(const ControlRect& rect) {
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

}  // namespace

QtDesktop::QtDesktop()
    : clientSize_(clientSizeInPixels()),
      bigFont_(arialOfLineHeight(kBigFontLineHeight)),
      smallFont_(arialOfLineHeight(kSmallFontLineHeight)) {
    setWindowTitle(QStringLiteral("gridAtelier"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    area_ = new QWidget(this);
    QPalette palette = area_->palette();
    palette.setColor(QPalette::Window, kClientBackground);
    area_->setPalette(palette);
    lightClient_ = palette;
    area_->setAutoFillBackground(true);
    setCentralWidget(area_);
    client_ = new QWidget(area_);

    // Fixed before the platform window exists, so that it is made at this size.
    fixSize();

    desktopPalette_ = QGuiApplication::palette();
    qApp->installEventFilter(this);
    steadyClock_.start();
}

QtDesktop::~QtDesktop() {
    qApp->removeEventFilter(this);
    // The desktop's colours again, for whatever the application shows next.
    theme_ = Theme::kLight;
    applyLookPalette();
    events_ = nullptr;
}

bool QtDesktop::open(WindowEvents& events) {
    events_ = &events;
    if (!events.onCreate() || ended_.load()) {
        ended_.store(true);
        return false;
    }
    fitClientHeightToControls();
    takeSizeLimit();
    // Half the first size, at least: the board's cells stay large enough to
    // read and type in.
    setMinimumSize(clientSize_.width() / 2,
                   (clientSize_.height() + menuBar()->sizeHint().height()) / 2);
    reportedArea_ = clientSize_;
    opened_ = true;
    show();
    // The window's clock: the time played and the game kept.
    ticks_ = new QTimer(this);
    connect(ticks_, &QTimer::timeout, this, [this] {
        if (events_ != nullptr && !ended_.load()) events_->onTick();
    });
    ticks_->start(250);
    return true;
}

void QtDesktop::fitClientHeightToControls() {
    // A font whose lines are short for its width makes the client area too low
    // for the board laid out on its width: then the controls' bottom margin
    // becomes the same as their left one.
    const QRect used = client_->childrenRect();
    const int needed = used.bottom() + 1 + std::max(used.left(), 0);
    if (used.isEmpty() || needed <= clientSize_.height()) return;
    clientSize_.setHeight(needed);
    fixSize();
}

void QtDesktop::fixSize() {
    client_->setGeometry(0, 0, clientSize_.width(), clientSize_.height());
    resize(clientSize_.width(), clientSize_.height() + menuBar()->sizeHint().height());
}

void QtDesktop::takeSizeLimit() {
    if (!sizeLimit_.isValid()) return;
    const QSize frame = frameGeometry().size();
    const QSize over = frame - frame.boundedTo(sizeLimit_);
    resize(size() - over);
}

void QtDesktop::followArea() {
    if (!opened_ || ended_.load() || events_ == nullptr) return;
    const QSize area = area_->size();
    if (area != reportedArea_) {
        reportedArea_ = area;
        events_->onClientResized(area.width(), area.height());
    }
    client_->setGeometry(std::max(0, (area.width() - clientSize_.width()) / 2), 0,
                         clientSize_.width(), std::max(area.height(), clientSize_.height()));
    if (cover_ != nullptr && cover_->isVisible()) placeCover();
    if (stepOverlay_ != nullptr && stepOverlay_->isVisible())
        showStep(StepView(step_), stepQuestion_);
}

void QtDesktop::runCommand(int command) {
    if (events_ != nullptr && !ended_.load()) events_->onCommand(command);
}

// --- the main window -------------------------------------------------------------

void QtDesktop::setTitle(const std::string& title) {
    setWindowTitle(toQt(title));
}

int QtDesktop::clientWidth() {
    return clientSize_.width();
}

void QtDesktop::setLayoutWidth(int width, double fontScale) {
    clientSize_.setWidth(width);
    scaleFonts(fontScale);
}

void QtDesktop::scaleFonts(double fontScale) {
    if (fontScale == fontScale_) return;
    const QFont oldBig = bigFont_, oldSmall = smallFont_;
    fontScale_ = fontScale;
    bigFont_ = arialOfLineHeight(qRound(kBigFontLineHeight * fontScale));
    smallFont_ = arialOfLineHeight(qRound(kSmallFontLineHeight * fontScale));
    for (const auto& [id, widget] : controls_) {
        if (widget->property(kScaledDefaultFont).toBool()) {
            widget->setFont(scaledDefaultFont(fontScale_));
        } else if (widget->font() == oldBig) {
            widget->setFont(bigFont_);
        } else if (widget->font() == oldSmall) {
            widget->setFont(smallFont_);
        }
    }
}

ScreenRect QtDesktop::windowRect() {
    const QRect frame = frameGeometry();
    return ScreenRect{frame.x(), frame.y(), frame.x() + frame.width(), frame.y() + frame.height()};
}

void QtDesktop::moveWindow(int left, int top, int width, int height) {
    // The size comes from the font, never from a stored rectangle, unless the
    // window must shrink to fit its screen: one taken on another screen or
    // with another font could leave the board too small.
    move(left, top);
    const QSize frame = frameGeometry().size();
    if (width < frame.width() || height < frame.height()) {
        sizeLimit_ = QSize(width, height).boundedTo(frame);
        takeSizeLimit();
    }
}

int QtDesktop::screenWidth() {
    QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    return shown != nullptr ? shown->geometry().width() : 0;
}

int QtDesktop::screenHeight() {
    QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    return shown != nullptr ? shown->geometry().height() : 0;
}

std::vector<ScreenRect> QtDesktop::screenAreas() {
    std::vector<ScreenRect> areas;
    for (const QScreen* shown : QGuiApplication::screens()) {
        const QRect area = shown->availableGeometry();
        areas.push_back(
            ScreenRect{area.x(), area.y(), area.x() + area.width(), area.y() + area.height()});
    }
    return areas;
}

void QtDesktop::destroyWindow() {
    if (ended_.exchange(true)) return;
    hide();
    emit ended();
}

void QtDesktop::closeEvent(QCloseEvent* event) {
    if (ended_.load()) {
        event->accept();
        return;
    }
    // Only the logic closes the window, by destroyWindow: it may refuse.
    event->ignore();
    if (events_ != nullptr) events_->onCloseRequest();
}

// --- child controls ----------------------------------------------------------------

bool QtDesktop::createControl(int id, ControlKind kind, const ControlRect& rect) {
    destroyControl(id);
    QWidget* widget = makeControl(kind, *client_);
    if (widget == nullptr) return false;
    themeControl(*widget, themePalette(theme_));
    widget->setGeometry(toQRect(rect));
    controls_[id] = widget;
    if (kind == ControlKind::kDigitButton || kind == ControlKind::kClockLabel) {
        widget->setProperty(kScaledDefaultFont, true);
        if (fontScale_ != 1.0) widget->setFont(scaledDefaultFont(fontScale_));
    }
    if (kind == ControlKind::kOpenCell || kind == ControlKind::kClueCell)
        focusWatched_[widget] = id;
    if (kind == ControlKind::kOpenCell) {
        paintWatched_[static_cast<QPlainTextEdit*>(widget)->viewport()] = id;
    } else if (kind == ControlKind::kClueCell) {
        paintWatched_[widget] = id;
    }
    if (kind == ControlKind::kPushButton || kind == ControlKind::kDigitButton) {
        auto* button = static_cast<QPushButton*>(widget);
        connect(button, &QPushButton::clicked, this, [this, id, button, kind] {
            // The logic alone decides a digit button's checked look.
            if (kind == ControlKind::kDigitButton) button->setChecked(!button->isChecked());
            runCommand(id);
        });
    }
    if (kind == ControlKind::kOpenCell) {
        auto* cell = static_cast<OpenCellEdit*>(widget);
        connect(cell, &QPlainTextEdit::textChanged, this, [this, id, cell] {
            if (settingText_ || events_ == nullptr || ended_.load()) return;
            cell->setShownAsNotes(false);
            events_->onCellEdited(id, controlText(*cell));
        });
    }
    if (cover_ != nullptr) cover_->raise();
    return true;
}

void QtDesktop::forgetControl(int id, QWidget& widget) {
    controls_.erase(id);
    focusWatched_.erase(&widget);
    paintWatched_.erase(&widget);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(&widget)) paintWatched_.erase(edit->viewport());
}

void QtDesktop::destroyControl(int id) {
    QWidget* widget = control(id);
    if (widget == nullptr) return;
    forgetControl(id, *widget);
    // Hiding a focused control would hand the focus to its neighbour, which
    // would then report a focus gain the player never made.
    QWidget* focused = QApplication::focusWidget();
    if (focused != nullptr && (focused == widget || widget->isAncestorOf(focused))) {
        client_->setFocus(Qt::OtherFocusReason);
    }
    widget->hide();
    widget->deleteLater();
}

void QtDesktop::moveControl(int id, const ControlRect& rect) {
    if (QWidget* widget = control(id)) widget->setGeometry(toQRect(rect));
}

void QtDesktop::setText(int id, const std::string& text) {
    QWidget* widget = control(id);
    if (widget == nullptr) return;
    auto* box = qobject_cast<StatusBox*>(widget);
    const QString before = box != nullptr ? box->toPlainText() : QString();
    settingText_ = true;
    setControlText(*widget, text);
    settingText_ = false;
    // A screen reader hears the status box's new words, as its Text interface
    // then reads them (in the lines shown); a cell speaks through its
    // description.
    if (box != nullptr && QAccessible::isActive()) {
        QAccessibleTextUpdateEvent event(box, 0, before, box->toPlainText());
        QAccessible::updateAccessibility(&event);
    }
}

std::string QtDesktop::text(int id) {
    QWidget* widget = control(id);
    return widget != nullptr ? controlText(*widget) : std::string();
}

void QtDesktop::setFont(int id, FontChoice font) {
    if (QWidget* widget = control(id))
        widget->setFont(font == FontChoice::kBig ? bigFont_ : smallFont_);
}

void QtDesktop::enableControl(int id, bool enabled) {
    if (QWidget* widget = control(id)) widget->setEnabled(enabled);
}

void QtDesktop::repaint(int id) {
    QWidget* widget = control(id);
    if (widget == nullptr) return;
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) edit->viewport()->update();
    widget->update();
}

QWidget* QtDesktop::control(int id) const {
    const auto found = controls_.find(id);
    return found != controls_.end() ? found->second : nullptr;
}

// --- the menu ----------------------------------------------------------------------

void QtDesktop::setMenu(const MenuDescription& menu) {
    menuBar()->clear();
    menuItems_ = buildMenuBar(*menuBar(), menu);
    accelerators_ = menu.accelerators;
    for (const auto& [command, action] : menuItems_) {
        connect(action, &QAction::triggered, this, [this, command = command, action = action] {
            // A checkable item flips itself when chosen; only the logic moves marks.
            if (action->isCheckable()) action->setChecked(checkedItems_[command]);
            runCommand(command);
        });
    }
    fixSize();
}

void QtDesktop::enableMenuItem(int command, bool enabled) {
    if (QAction* item = menuItem(command)) item->setEnabled(enabled);
}

bool QtDesktop::menuItemEnabled(int command) {
    QAction* item = menuItem(command);
    return item != nullptr && item->isEnabled();
}

void QtDesktop::checkMenuItem(int command, bool checked) {
    QAction* item = menuItem(command);
    if (item == nullptr) return;
    checkedItems_[command] = checked;
    item->setChecked(checked);
}

QAction* QtDesktop::menuItem(int command) const {
    const auto found = menuItems_.find(command);
    return found != menuItems_.end() ? found->second : nullptr;
}

// --- boxes ---------------------------------------------------------------------------

void QtDesktop::messageBox(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, toQt(title),
                    toQt(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                    QMessageBox::Ok,
                    QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this);
    box.exec();
}

// --- pictures of the board -----------------------------------------------------------

PrintOutcome QtDesktop::printPicture(const BoardPicture& picture, const std::string& fileFolder,
                                     std::string& printedFile) {
    QString printed;
    const PrintOutcome outcome =
        printBoardPicture(picture, modalOwner(*this), toQt(fileFolder), printed);
    printedFile = fromQt(printed);
    return outcome;
}

bool QtDesktop::savePicture(const BoardPicture& picture, const std::string& path) {
    return writeBoardPicture(picture, toQt(path));
}

PrintOutcome QtDesktop::printPages(const Booklet& booklet, const std::string& fileFolder,
                                   std::string& printedFile) {
    QString printed;
    const PrintOutcome outcome =
        printBooklet(booklet, modalOwner(*this), toQt(fileFolder), printed);
    printedFile = fromQt(printed);
    return outcome;
}

// --- the progress bar -------------------------------------------------------------------

bool QtDesktop::createProgressBar(const ControlRect& rect) {
    if (progressBar_ == nullptr) {
        progressBar_ = new QProgressBar(client_);
        progressBar_->setRange(0, 100);
        progressBar_->setValue(0);
        progressBar_->setTextVisible(false);
        progressBar_->hide();
        progressBridge_ = std::make_unique<ProgressBarBridge>(*progressBar_);
        themeProgressBar();
    }
    progressBar_->setGeometry(toQRect(rect));
    return true;
}

ProgressSink* QtDesktop::progressBar() {
    return progressBridge_.get();
}

// --- the worker's bridge -----------------------------------------------------------------

void QtDesktop::sendCommandFromWorker(int command) {
    if (QThread::currentThread() == thread()) {
        runCommand(command);
        return;
    }
    // After the window has ended nobody takes the notice; the worker must not
    // wait for it. Should the window go while the worker waits, deleting the
    // queued call releases the worker.
    if (ended_.load()) return;
    QMetaObject::invokeMethod(
        this, [this, command] { runCommand(command); }, Qt::BlockingQueuedConnection);
}

std::string QtDesktop::homeFolder() {
    return fromQt(QDir::homePath() + QLatin1Char('/'));
}

std::string QtDesktop::executableFolder() {
    return fromQt(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

void QtDesktop::setClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(toQt(text));
}

std::string QtDesktop::clipboardText() {
    return fromQt(QGuiApplication::clipboard()->text());
}

// --- play beyond the original window ---------------------------------------------------------

void QtDesktop::showAsNotes(int id, bool notes) {
    if (auto* cell = qobject_cast<OpenCellEdit*>(control(id))) cell->setShownAsNotes(notes);
}

void QtDesktop::focusControl(int id) {
    QWidget* widget = control(id);
    if (widget == nullptr || (cover_ != nullptr && cover_->isVisible())) return;
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) edit->selectAll();
}

void QtDesktop::checkControl(int id, bool checked) {
    if (auto* button = qobject_cast<QPushButton*>(control(id))) button->setChecked(checked);
}

void QtDesktop::coverBoard(bool covered, const std::string& text) {
    if (!covered) {
        if (cover_ != nullptr) cover_->hide();
        return;
    }
    if (cover_ == nullptr) {
        cover_ = new QLabel(client_);
        cover_->setAlignment(Qt::AlignCenter);
        cover_->setAutoFillBackground(true);
        cover_->setFocusPolicy(Qt::StrongFocus);
        cover_->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
    placeCover();
    cover_->setText(toQt(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    cover_->show();
    cover_->raise();
    cover_->setFocus(Qt::OtherFocusReason);
}

void QtDesktop::keepStepTints(const StepView& view) {
    for (int cell = 0; cell < kCells; ++cell) {
        const BoardDrawing::Cell& shown = view.drawing.cells[cell];
        const BoardDrawing::Tint tint =
            view.drawing.shown && !shown.drawn ? shown.tint : BoardDrawing::Tint::kNone;
        if (tint == stepTints_[cell] && view.firstCellControl == stepFirstCell_) continue;
        stepTints_[cell] = tint;
        repaint(stepFirstCell_ + cell);
        repaint(view.firstCellControl + cell);
    }
    stepFirstCell_ = view.firstCellControl;
}

void QtDesktop::showStep(const StepView& view, int questionCommand) {
    step_ = view;
    keepStepTints(view);
    if (!view.drawing.shown) {
        if (stepOverlay_ != nullptr) stepOverlay_->hide();
        if (stepPanel_ != nullptr) stepPanel_->hide();
        return;
    }
    QRect cells;
    for (int cell = 0; cell < kCells; ++cell) {
        if (const QWidget* widget = control(view.firstCellControl + cell))
            cells = cells.united(widget->geometry());
    }
    if (stepOverlay_ == nullptr) {
        stepOverlay_ = new StepOverlay(client_);
        stepOverlay_->setInks(themePalette(theme_).step);
    }
    stepOverlay_->setGeometry(cells);
    const int first = view.firstCellControl;
    stepOverlay_->setDrawing(view.drawing, [this, first, origin = cells.topLeft()](int cell) {
        const QWidget* widget = control(first + cell);
        return widget != nullptr ? QRectF(widget->geometry().translated(-origin)) : QRectF();
    });
    stepOverlay_->show();
    stepOverlay_->raise();
    if (cover_ != nullptr && cover_->isVisible()) cover_->raise();

    stepQuestion_ = questionCommand;
    if (stepPanel_ == nullptr)
        stepPanel_ = new StepPanel(this, [this] { runCommand(stepQuestion_); });
    stepPanel_->showWords(toQt(view.words), toQt(view.question), frameGeometry());
    // The drawing over the cells is heard as what it belongs to.
    stepOverlay_->setAccessibleName(stepPanel_->windowTitle());
}

void QtDesktop::showHelp(const HelpBook& book, int page) {
    if (help_ == nullptr) help_ = new HelpWindow(this);
    help_->setBook(book);
    help_->showPage(page);
}

bool QtDesktop::darkDesktop() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    const Qt::ColorScheme scheme = QGuiApplication::styleHints()->colorScheme();
    if (scheme != Qt::ColorScheme::Unknown) return scheme == Qt::ColorScheme::Dark;
#endif
    // Without a word from the desktop: its windows' colour tells (the
    // desktop's, not the look's that may stand in for them).
    return desktopPalette_.color(QPalette::Window).lightness() < 128;
}

void QtDesktop::applyLookPalette() {
    const QPalette wanted = lookPalette(themePalette(theme_), desktopPalette_);
    const QPalette now = QGuiApplication::palette();
    settingPalette_ = true;
    if (wanted != now || wanted.resolveMask() != now.resolveMask())
        QApplication::setPalette(wanted);
    for (QWidget* window : QApplication::topLevelWidgets()) themeWindow(*window);
    settingPalette_ = false;
}

void QtDesktop::themeWindow(QWidget& window) {
    // Not the main window, whose cells and strip take the look by hand: a
    // style sheet would fix their colours as they were when it came.
    constexpr const char* kLookSheet = "lookStyleSheet";
    if (&window == this || !window.isWindow()) return;
    // A window with a sheet of its own keeps it.
    if (window.styleSheet() != window.property(kLookSheet).toString()) return;
    const QString sheet = lookStyleSheet(themePalette(theme_));
    if (window.styleSheet() == sheet) return;
    window.setStyleSheet(sheet);
    window.setProperty(kLookSheet, sheet);
}

bool QtDesktop::desktopColoursChanged(QEvent::Type change) {
    if (settingPalette_) return false;
    const ThemePalette& look = themePalette(theme_);
    if (change == QEvent::ThemeChange && !look.desktopGrounds) {
        // The look's colours cover the desktop's new ones: a look beneath them.
        settingPalette_ = true;
        QApplication::setPalette(desktopPalette_);
        desktopPalette_ = QGuiApplication::palette();
        QApplication::setPalette(lookPalette(look, desktopPalette_));
        settingPalette_ = false;
        return true;
    }
    const QPalette now = QGuiApplication::palette();
    if (!look.desktopGrounds && now == lookPalette(look, desktopPalette_)) return false;
    desktopPalette_ = now;
    applyLookPalette();
    return true;
}

void QtDesktop::themeProgressBar() {
    if (progressBar_ == nullptr) return;
    const ThemePalette& look = themePalette(theme_);
    QPalette colours;  // none of its own in a look that keeps the desktop's
    colours.setResolveMask(0);
    if (!look.desktopGrounds)
        colours.setColor(QPalette::Highlight, toQColor(look.windows.progress));
    progressBar_->setPalette(colours);
}

void QtDesktop::setTheme(Theme theme) {
    theme_ = theme;
    applyLookPalette();
    const ThemePalette& palette = themePalette(theme);
    QPalette client = lightClient_;
    if (!palette.desktopGrounds) {
        client.setColor(QPalette::Window, toQColor(palette.window));
        client.setColor(QPalette::WindowText, toQColor(palette.label));
        client.setColor(QPalette::Base, toQColor(palette.field));
        client.setColor(QPalette::Text, toQColor(palette.clueInk));
        client.setColor(QPalette::Button, toQColor(faceColour(palette, desktopGrounds())));
        client.setColor(QPalette::ButtonText, toQColor(palette.label));
    }
    area_->setPalette(client);
    for (const auto& [id, widget] : controls_) {
        themeControl(*widget, palette);
        widget->update();
        if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) edit->viewport()->update();
    }
    if (stepOverlay_ != nullptr) {
        stepOverlay_->setInks(palette.step);
        stepOverlay_->update();
    }
    themeProgressBar();
}

void QtDesktop::setAccessibleText(int id, const std::string& name, const std::string& description) {
    QWidget* widget = control(id);
    if (widget == nullptr) return;
    // Each setter tells a screen reader of its change itself.
    if (widget->accessibleName() != toQt(name)) widget->setAccessibleName(toQt(name));
    if (widget->accessibleDescription() != toQt(description))
        widget->setAccessibleDescription(toQt(description));
}

void QtDesktop::setMenuItemText(int command, const std::string& text) {
    if (QAction* item = menuItem(command)) item->setText(toQt(text));
}

void QtDesktop::showMenuItem(int command, bool shown) {
    if (QAction* item = menuItem(command)) item->setVisible(shown);
}

long long QtDesktop::steadyMilliseconds() {
    return steadyClock_.elapsed();
}

std::string QtDesktop::environment(const std::string& name) {
    return fromQt(qEnvironmentVariable(name.c_str()));
}

void QtDesktop::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (events_ == nullptr || ended_.load()) return;
    if (event->type() == QEvent::WindowStateChange) events_->onMinimised(isMinimized());
    // The desktop's colours changed (the window sets none of its own, only
    // its client area does): the look may follow them.
    if ((event->type() == QEvent::PaletteChange || event->type() == QEvent::ThemeChange) &&
        desktopColoursChanged(event->type()))
        events_->onDesktopLook();
}

bool QtDesktop::takeNoteKey(QObject* watched, QKeyEvent& key) {
    const auto cell = focusWatched_.find(watched);
    if (cell == focusWatched_.end() || events_ == nullptr || ended_.load()) return false;
    const int digit = noteDigitOfKeyEvent(key);
    if (digit == 0) return false;
    events_->onCellNoteKey(cell->second, digit);
    return true;
}

// --- events ----------------------------------------------------------------------------------

bool QtDesktop::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            return translateAccelerator(watched, *static_cast<QKeyEvent*>(event));
        case QEvent::KeyPress:
            return translateAccelerator(watched, *static_cast<QKeyEvent*>(event)) ||
                   takeNoteKey(watched, *static_cast<QKeyEvent*>(event)) ||
                   moveBetweenCells(watched, *static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            notifyCellFocus(watched, *static_cast<QFocusEvent*>(event));
            return false;
        case QEvent::Paint:
            askCellLook(watched);
            return false;
        case QEvent::Resize:
            if (watched == area_) followArea();
            return false;
        case QEvent::Show:
            // Every other window (a dialog, a menu, the hint panel, Help) in the look.
            if (watched->isWidgetType()) themeWindow(*static_cast<QWidget*>(watched));
            return false;
        default:
            return false;
    }
}

void QtDesktop::placeCover() {
    QRect cells;
    for (const auto& watched : focusWatched_) {
        if (const auto* widget = qobject_cast<const QWidget*>(watched.first))
            cells = cells.united(widget->geometry());
    }
    cover_->setGeometry(cells);
    cover_->setFont(smallFont_);
}

bool QtDesktop::translateAccelerator(QObject* watched, QKeyEvent& key) {
    // Keys reach the window's widgets after passing its platform window; the
    // widget that has the focus is where a control would act on them.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this || ended_.load()) return false;
    const int command = acceleratorOfKeyEvent(accelerators_, key);
    if (command == 0) return false;
    // A key of a command without a menu item belongs to its button: while no
    // such button is shown, the key goes on to the control in hand (Escape
    // puts a cell's text back).
    QAction* item = menuItem(command);
    if (item == nullptr && control(command) == nullptr) return false;
    // Claimed at the override stage, the key reaches no shortcut and comes
    // back as a key press, which no control gets to see.
    key.accept();
    if (key.type() == QEvent::KeyPress) {
        if (item == nullptr || (item->isEnabled() && item->isVisible())) runCommand(command);
    }
    return true;
}

bool QtDesktop::moveBetweenCells(QObject* watched, QKeyEvent& key) {
    const auto cell = focusWatched_.find(watched);
    if (cell == focusWatched_.end() || events_ == nullptr || ended_.load()) return false;
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    const auto found =
        std::find_if(std::begin(kMovingKeys), std::end(kMovingKeys),
                     [&](const MovingKey& moving) { return moving.key == key.key(); });
    if (found == std::end(kMovingKeys)) return false;
    const CellKey move = found->move;
    const bool tab = move == CellKey::kNextOpen || move == CellKey::kPreviousOpen;
    if (modifiers != (tab ? modifiers & Qt::ShiftModifier : Qt::NoModifier)) return false;
    CaretPlace caret{true, true};  // a clue cell has no caret to move
    if (auto* edit = qobject_cast<QPlainTextEdit*>(static_cast<QWidget*>(watched))) {
        const QTextCursor cursor = edit->textCursor();
        caret.atStart = cursor.selectionStart() == 0;
        caret.atEnd = cursor.selectionEnd() == edit->document()->characterCount() - 1;
    }
    QWidget* target = control(events_->onCellKey(cell->second, move, caret));
    if (target == nullptr) return move != CellKey::kLeft && move != CellKey::kRight;
    target->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(target)) edit->selectAll();
    return true;
}

void QtDesktop::notifyCellFocus(QObject* watched, QFocusEvent& focus) {
    const auto found = focusWatched_.find(watched);
    if (found == focusWatched_.end() || events_ == nullptr || ended_.load()) return;
    // Opening a menu leaves the cell its focus, and the platform says nothing.
    if (focus.reason() == Qt::PopupFocusReason) return;
    events_->onCellNotification(found->second, focus.gotFocus() ? CellNotification::kGainedFocus
                                                                : CellNotification::kLostFocus);
}

void QtDesktop::askCellLook(QObject* watched) {
    const auto found = paintWatched_.find(watched);
    if (found == paintWatched_.end() || events_ == nullptr || ended_.load()) return;
    const int id = found->second;
    const bool clue = watched == control(id);  // an open cell paints its text area
    TextColour colour;
    bool mistakeCue = false;
    if (!clue) {
        colour = events_->onCellColour(id);
        mistakeCue = events_->onCellMistakeCue(id);
    }
    const CellBackground background = events_->onCellBackground(id);
    const CellMark mark = events_->onCellMark(id);
    QWidget* cell = control(id);
    if (cell == nullptr) return;
    const ThemePalette& look = themePalette(theme_);
    // Only what the cell sets itself; the rest is the client area's.
    QPalette palette = inheritedPalette(*cell);
    if (!clue) palette.setColor(QPalette::Text, QColor(colour.red, colour.green, colour.blue));
    if (!look.desktopGrounds) {
        // A style sheet's field keeps the colours it was polished with: the
        // look's are set on the cell itself.
        if (clue) palette.setColor(QPalette::Text, toQColor(look.clueInk));
        palette.setColor(QPalette::WindowText, toQColor(look.line));
    }
    Rgb ground = cellGround(look, desktopGrounds(), background, mark, clue);
    const int stepCell = id - stepFirstCell_;
    if (look.step.tintsUnderText && stepCell >= 0 && stepCell < kCells &&
        stepTints_[stepCell] != BoardDrawing::Tint::kNone)
        ground = laidOver(look.step.tints[static_cast<int>(stepTints_[stepCell]) - 1], ground);
    palette.setColor(QPalette::Base, toQColor(ground));
    setCellMarkCorner(*cell, markInCorner(background, mark)
                                 ? toQColor(look.markCorners[static_cast<int>(mark) - 1])
                                 : QColor());
    if (auto* open = qobject_cast<OpenCellEdit*>(cell)) open->setMistakeCue(mistakeCue);
    // A new palette asks for another paint: set it only when it changes.
    if (palette != cell->palette()) cell->setPalette(palette);
}

}  // namespace ga
