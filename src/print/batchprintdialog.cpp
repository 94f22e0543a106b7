#include "print/batchprintdialog.h"

#include "platform/clock.h"
#include "platform/gui/colours.h"
#include "platform/gui/fonts.h"
#include "platform/gui/mainwindowlink.h"
#include "platform/gui/printers.h"
#include "platform/gui/spinbutton.h"
#include "platform/gui/twips.h"
#include "platform/prompter.h"
#include "print/core/bureaufile.h"
#include "print/feeframe.h"
#include "print/releasecheckbox.h"
#include "record/eradate.h"
#include "record/renewalwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTreeWidget>

namespace {

enum Column { NumberColumn, CallSignColumn, LicenceColumn, ExpiryColumn, CloseColumn, StateColumn };

} // namespace

BatchPrintDialog::BatchPrintDialog(AppState& state, Prompter& prompter, const Clock& clock,
                                   PrinterCatalogue& printers, QWidget* parent)
    : QDialog(parent), state_(state), prompter_(prompter), clock_(clock), printers_(printers) {
    setObjectName(QStringLiteral("BatchPrintDialog"));
    setWindowTitle(QStringLiteral("一括印刷"));
    buildControls();
    load();
}

BatchPrintDialog::~BatchPrintDialog() = default;

void BatchPrintDialog::buildControls() {
    const int dpi = logicalDpiX();
    const auto px = [dpi](double t) { return twips::toPixels(t, dpi); };
    const auto place = [&px](QWidget* w, double left, double top, double width, double height) {
        w->setGeometry(px(left), px(top), px(width), px(height));
    };
    const auto label = [&place](QWidget* parent, const QString& text, double left, double top,
                                double width) {
        auto* l = new QLabel(text, parent);
        place(l, left, top, width, 300);
        return l;
    };
    const auto button = [&place](QWidget* parent, const char* name, const QString& text,
                                 double left, double top, double width, double height) {
        auto* b = new QPushButton(text, parent);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        place(b, left, top, width, height);
        return b;
    };
    setFixedSize(px(11430), px(7740));

    // The stations whose window is open.
    auto* stations = new QGroupBox(QStringLiteral("申請受付中の局"), this);
    place(stations, 120, 60, 11190, 3660);
    List1 = new QTreeWidget(stations);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setRootIsDecorated(false);
    List1->setUniformRowHeights(true);
    List1->setSelectionMode(QAbstractItemView::NoSelection);
    List1->setHeaderLabels({QStringLiteral("番号"), QStringLiteral("ｺｰﾙｻｲﾝ"),
                            QStringLiteral("免許番号"), QStringLiteral("免許期限"),
                            QStringLiteral("申請締切"), QStringLiteral("状態")});
    QFont listFont = font();
    listFont.setFamily(fonts::gothic());
    List1->setFont(listFont);
    place(List1, 180, 300, 10830, 2820);
    const std::array<double, 6> widths{900, 1800, 2700, 1900, 1900, 1200};
    for (size_t c = 0; c < widths.size(); ++c)
        List1->setColumnWidth(int(c), px(widths[c]));
    Label4 = new QLabel(stations);
    Label4->setObjectName(QStringLiteral("Label4"));
    place(Label4, 180, 3240, 7000, 300);
    Command4 = button(stations, "Command4", QStringLiteral("全て選択"), 7800, 3180, 1500, 375);
    Command5 = button(stations, "Command5", QStringLiteral("全て解除"), 9420, 3180, 1500, 375);

    // The answers every page shares, as in the print settings dialog.
    Fee = new FeeFrame(listFont, this);
    place(Fee, 120, 3780, 11190, 1440);
    Check5 = Fee->prepayAnswerChecks;
    Check7 = Fee->prepayPeriodChecks;
    Text2 = Fee->prepayYearsBox;
    Check2 = Fee->disposalHistoryCheck;

    // Documents, printer, application date, registered mail.
    auto* output = new QGroupBox(QStringLiteral("印刷の設定"), this);
    place(output, 120, 5280, 11190, 1800);
    const std::array<const char*, 3> documents{"再免許申請書", "封筒（総通宛用）長型3号",
                                               "封筒（返信用)長型3号"};
    const std::array<double, 3> documentLeft{180, 2400, 5700};
    for (int i = 0; i < printfill::kDocumentCount; ++i) {
        auto* box = new QCheckBox(QString::fromUtf8(documents[size_t(i)]), output);
        box->setObjectName(QStringLiteral("Check1_%1").arg(i));
        place(box, documentLeft[size_t(i)], 300, 3000, 330);
        connect(box, &QCheckBox::toggled, this, &BatchPrintDialog::choiceChanged);
        Check1[size_t(i)] = box;
    }
    label(output, QStringLiteral("プリンター"), 180, 750, 1000);
    Combo1 = new QComboBox(output);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    place(Combo1, 1200, 705, 4300, 345);
    Command1 = button(output, "Command1", QStringLiteral("ﾌﾟﾛﾊﾟﾃｨ"), 5600, 690, 1100, 375);
    Check3 = new QCheckBox(QStringLiteral("簡易書留(送付)"), output);
    Check3->setObjectName(QStringLiteral("Check3"));
    place(Check3, 7000, 720, 2600, 300);
    Check6 = new QCheckBox(QStringLiteral("申請日"), output);
    Check6->setObjectName(QStringLiteral("Check6"));
    place(Check6, 180, 1275, 1300, 300);
    Label2 = new QLabel(output);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label2->setAutoFillBackground(true);
    colours::setBackground(Label2, QPalette::Window, colours::kWindowBackground);
    place(Label2, 1560, 1260, 2400, 330);
    const std::array<const char*, 3> units{"年", "月", "日"};
    for (int i = 0; i < 3; ++i) {
        auto* spin = new SpinButton(output);
        spin->setObjectName(QStringLiteral("UpDown1_%1").arg(i));
        place(spin, 4100 + i * 800, 1215, 255, 420);
        label(output, QString::fromUtf8(units[size_t(i)]), 4400 + i * 800, 1275, 400);
        connect(spin, &SpinButton::stepped, this, [this, i](int step) { UpDown1Click(i, step); });
        UpDown1[size_t(i)] = spin;
    }

    Command2 = button(this, "Command2", QStringLiteral("印　刷"), 7920, 7200, 1500, 420);
    Command3 = button(this, "Command3", QStringLiteral("キャンセル"), 9600, 7200, 1500, 420);

    connect(List1, &QTreeWidget::itemChanged, this, &BatchPrintDialog::choiceChanged);
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1Click(); });
    connect(Command1, &QPushButton::clicked, this, &BatchPrintDialog::Command1Click);
    connect(Command2, &QPushButton::clicked, this, [this] { Command2Click(); });
    connect(Command3, &QPushButton::clicked, this, &BatchPrintDialog::Command3Click);
    connect(Command4, &QPushButton::clicked, this, &BatchPrintDialog::Command4Click);
    connect(Command5, &QPushButton::clicked, this, &BatchPrintDialog::Command5Click);
}

void BatchPrintDialog::load() {
    Combo1->addItems(printers_.deviceNames());
    Combo1->setCurrentText(printers_.currentName());
    printfill::FormState form;
    form.registeredMail = state_.print.RegisteredMail == 1;
    printfill::loadAnswers(form, state_.print, clock_.today());
    showAnswers(form);
    for (QCheckBox* box : Check1)
        box->setChecked(true);
    listStations();
}

void BatchPrintDialog::listStations() {
    const RecordStore& store = state_.store;
    const QDate today = clock_.today();
    const QSignalBlocker quiet(List1);
    List1->clear();
    for (int k = 1; k <= store.Count(); ++k) {
        const StationRecord& record = store.record(k);
        const renewal::Window window = renewal::windowFor(record);
        const renewal::State state = renewal::stateOn(window, today);
        if (!renewal::isOpen(state))
            continue;
        auto* item = new QTreeWidgetItem(List1);
        item->setData(NumberColumn, Qt::DisplayRole, k);
        item->setText(CallSignColumn,
                      printfill::callSignForDisplay(record.unpadded(Field::CallSign)));
        item->setText(LicenceColumn, record.trimmed(Field::LicenceNo));
        item->setText(ExpiryColumn, FormatEraDate(window.expiry, EraPattern::Unpadded));
        item->setText(CloseColumn, FormatEraDate(window.closes, EraPattern::Unpadded));
        item->setText(StateColumn, renewal::stateLabel(state));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(NumberColumn, Qt::Checked);
        if (state == renewal::State::Closing)
            item->setForeground(StateColumn, QColor(0xd0, 0, 0));
    }
    choiceChanged();
}

int BatchPrintDialog::stationCount() const {
    return List1->topLevelItemCount();
}

std::vector<int> BatchPrintDialog::tickedRecords() const {
    std::vector<int> records;
    for (int i = 0; i < List1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = List1->topLevelItem(i);
        if (item->checkState(NumberColumn) == Qt::Checked)
            records.push_back(item->data(NumberColumn, Qt::DisplayRole).toInt());
    }
    return records;
}

void BatchPrintDialog::choiceChanged() {
    const int stations = int(tickedRecords().size());
    int docs = 0;
    for (const QCheckBox* box : Check1)
        docs += box->isChecked() ? 1 : 0;
    Label4->setText(QStringLiteral("%1局中 %2局を印刷（%3ページ）")
                        .arg(stationCount())
                        .arg(stations)
                        .arg(stations * docs));
    Command2->setEnabled(stations * docs > 0);
}

printfill::FormState BatchPrintDialog::readAnswers() const {
    printfill::FormState form = form_;
    form.appDate = Label2->text();
    form.printDate = Check6->isChecked();
    form.registeredMail = Check3->isChecked();
    Fee->read(form);
    return form;
}

void BatchPrintDialog::showAnswers(const printfill::FormState& form) {
    form_ = form;
    Label2->setText(form.appDate);
    Check6->setChecked(form.printDate);
    Check3->setChecked(form.registeredMail);
    Fee->show(form);
}

batchprint::Request BatchPrintDialog::request() const {
    batchprint::Request r;
    for (int k : tickedRecords())
        r.stations.push_back({k, state_.store.record(k)});
    for (int i = 0; i < printfill::kDocumentCount; ++i)
        r.docs[size_t(i)] = Check1[size_t(i)]->isChecked();
    r.answers = state_.print;
    r.settings = state_.settings;
    r.bureauFile = state_.program.path(bureaufile::fileName());
    r.today = clock_.today();
    return r;
}

void BatchPrintDialog::UpDown1Click(int index, int step) {
    if (const auto shown = printfill::stepApplicationDate(Label2->text(), index, step))
        Label2->setText(*shown);
}

void BatchPrintDialog::Check5MouseUp(int index) {
    Fee->prepayAnswerReleased(index);
}

void BatchPrintDialog::Check7MouseUp(int index) {
    Fee->prepayPeriodReleased(index);
}

void BatchPrintDialog::Combo1Click() {
    if (printers_.select(Combo1->currentText()))
        setWindowTitle(QStringLiteral("一括印刷 - %1").arg(Combo1->currentText()));
}

void BatchPrintDialog::Command1Click() {
    printers_.showProperties(Combo1->currentText(), this);
    Combo1Click();
}

void BatchPrintDialog::Command3Click() {
    reject();
}

void BatchPrintDialog::Command4Click() {
    tickAll(Qt::Checked);
}

void BatchPrintDialog::Command5Click() {
    tickAll(Qt::Unchecked);
}

void BatchPrintDialog::tickAll(Qt::CheckState state) {
    {
        const QSignalBlocker quiet(List1);
        for (int i = 0; i < List1->topLevelItemCount(); ++i)
            List1->topLevelItem(i)->setCheckState(NumberColumn, state);
    }
    List1->viewport()->update();
    choiceChanged();
}

std::optional<QString> BatchPrintDialog::askPdfPath() {
    Prompter::FileRequest ask;
    ask.kind = Prompter::FileRequest::Kind::Save;
    ask.title = QStringLiteral("PDFファイルに印刷");
    ask.filter = QStringLiteral("PDF ファイル (*.pdf)|*.pdf|");
    ask.startFolder = printers_.lastPdfFolder();
    if (ask.startFolder.isEmpty() && !state_.store.DataFile.isEmpty())
        ask.startFolder = QFileInfo(state_.store.DataFile).absolutePath();
    if (ask.startFolder.isEmpty())
        ask.startFolder = QDir::homePath();
    ask.fileName =
        QStringLiteral("一括印刷_%1.pdf").arg(clock_.today().toString(QStringLiteral("yyyyMMdd")));
    ask.flags = Prompter::OverwritePrompt | Prompter::HideReadOnly;
    const std::optional<QString> chosen = prompter_.fileName(ask, this);
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    return chosen;
}

batchprint::Outcome BatchPrintDialog::print(const batchprint::Request& r, const QString& pdfPath) {
    const int total = batchprint::pageCount(r);
    QProgressDialog progress(QStringLiteral("印刷しています…"), QStringLiteral("キャンセル"), 0,
                             total, this);
    progress.setObjectName(QStringLiteral("Progress1"));
    progress.setWindowTitle(windowTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoReset(false);
    Progress1 = &progress;
    progress.setValue(0);
    const auto step = [&progress, total](int done, int) {
        progress.setLabelText(
            QStringLiteral("印刷しています… %1 / %2 ページ").arg(done).arg(total));
        // A modal progress dialog lets the events through here, the cancel button's among them.
        progress.setValue(done);
        return !progress.wasCanceled();
    };
    batchprint::Outcome outcome;
    if (QPrinter* printer = printers_.pagedPrinter(windowTitle())) {
        batchprint::DeviceHooks hooks;
        hooks.abort = [printer] { printer->abort(); };
        outcome = batchprint::drawPages(*printer, r, {}, step, hooks);
    } else {
        const QPageLayout paper = printers_.pageLayout();
        outcome = batchprint::writePdf(pdfPath, r, {paper, paper}, step);
    }
    Progress1 = nullptr;
    return outcome;
}

bool BatchPrintDialog::Command2Click() {
    // The shared answers are remembered as the print settings dialog remembers them.
    const printfill::FormState form = readAnswers();
    printfill::storeAnswers(form, state_.print);
    state_.print.RegisteredMail = form.registeredMail ? 1 : 0;
    const batchprint::Request r = request();
    if (batchprint::pageCount(r) == 0)
        return false;

    QString pdfPath;
    if (printers_.currentIsPdf()) {
        const std::optional<QString> chosen = askPdfPath();
        if (!chosen)
            return false;
        pdfPath = *chosen;
    }
    const batchprint::Outcome outcome = print(r, pdfPath);
    const auto tell = [this](const QString& text, Prompter::Icon icon) {
        prompter_.message({text, state_.program.title, Prompter::Buttons::Ok, icon}, this);
    };
    switch (outcome.status) {
    case batchprint::Outcome::Status::Cancelled:
        return false;
    case batchprint::Outcome::Status::Failed:
        tell(pdfPath.isEmpty() ? QStringLiteral("「%1」に印刷できませんでした。\n%2")
                                     .arg(printers_.currentName(), outcome.error)
                               : QStringLiteral("PDFファイルを作成できませんでした。\n%1\n%2")
                                     .arg(QDir::toNativeSeparators(pdfPath), outcome.error),
             Prompter::Icon::Warning);
        return false;
    case batchprint::Outcome::Status::Done:
        break;
    }
    if (!pdfPath.isEmpty())
        printers_.setLastPdfFolder(QFileInfo(pdfPath).absolutePath());
    const QString what = QStringLiteral("%1局 %2ページ").arg(r.stations.size()).arg(outcome.pages);
    tell(pdfPath.isEmpty()
             ? QStringLiteral("「%1」に %2 を送りました。").arg(printers_.currentName(), what)
             : QStringLiteral("PDFファイルを作成しました（%1）。\n%2")
                   .arg(what, QDir::toNativeSeparators(pdfPath)),
         Prompter::Icon::None);
    accept();
    return true;
}

void openBatchPrint(AppState& state, Prompter& prompter, const Clock& clock,
                    PrinterCatalogue& printers, MainWindowLink& mainWindow) {
    BatchPrintDialog dialog(state, prompter, clock, printers, mainWindow.mainWidget());
    if (dialog.stationCount() == 0) {
        prompter.message({QStringLiteral("申請を受け付けている局はありません。"),
                          state.program.title, Prompter::Buttons::Ok, Prompter::Icon::None},
                         mainWindow.mainWidget());
        return;
    }
    dialog.exec();
}
