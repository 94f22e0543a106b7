// The batch print dialog: the stations whose application window is open, the documents and the
// shared answers, printed as one job with a progress dialog that can cancel it.
#include "print/batchprintdialog.h"

#include "platform/clock.h"
#include "platform/gui/fonts.h"
#include "platform/gui/mainwindowlink.h"
#include "platform/gui/printers.h"
#include "platform/gui/spinbutton.h"
#include "platform/gui/twips.h"
#include "platform/prompter.h"
#include "platform/width.h"
#include "print/applicationdatebox.h"
#include "print/core/bureaufile.h"
#include "print/feeframe.h"
#include "record/eradate.h"
#include "record/renewalwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QStringList>
#include <QTreeWidget>

namespace {

enum Column { NumberColumn, CallSignColumn, LicenceColumn, ExpiryColumn, CloseColumn, StateColumn };

// Call signs for a question, half-width: a long list would not fit on the screen, so the first
// ones tell what is meant and the rest are counted.
QString listedCallSigns(const QStringList& callSigns) {
    constexpr qsizetype kListed = 20;
    QString listed = callSigns.mid(0, kListed).join(QStringLiteral(", "));
    if (callSigns.size() > kListed)
        listed += QStringLiteral(" ほか%1局").arg(callSigns.size() - kListed);
    return listed;
}

QString callSignOf(const StationRecord& record) {
    return width::narrowAlphanumerics(record.trimmedView(Field::CallSign));
}

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
    const auto place = [dpi](QWidget* w, double left, double top, double width, double height) {
        twips::place(w, left, top, width, height, dpi);
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
    stationList = new QTreeWidget(stations);
    stationList->setObjectName(QStringLiteral("stationList"));
    stationList->setRootIsDecorated(false);
    stationList->setUniformRowHeights(true);
    stationList->setSelectionMode(QAbstractItemView::NoSelection);
    stationList->setAccessibleName(QStringLiteral("印刷する局"));
    stationList->setHeaderLabels({QStringLiteral("番号"), QStringLiteral("ｺｰﾙｻｲﾝ"),
                                  QStringLiteral("免許番号"), QStringLiteral("免許期限"),
                                  QStringLiteral("申請締切"), QStringLiteral("状態")});
    QFont listFont = font();
    listFont.setFamily(fonts::gothic());
    stationList->setFont(listFont);
    place(stationList, 180, 300, 10830, 2820);
    const std::array<double, 6> widths{900, 1800, 2700, 1900, 1900, 1200};
    for (size_t c = 0; c < widths.size(); ++c)
        stationList->setColumnWidth(int(c), px(widths[c]));
    countLabel = new QLabel(stations);
    countLabel->setObjectName(QStringLiteral("countLabel"));
    place(countLabel, 180, 3240, 7000, 300);
    selectAllButton =
        button(stations, "selectAllButton", QStringLiteral("全て選択"), 7800, 3180, 1500, 375);
    deselectAllButton =
        button(stations, "deselectAllButton", QStringLiteral("全て解除"), 9420, 3180, 1500, 375);

    // The answers every page shares, as in the print settings dialog.
    feeFrame = new FeeFrame(listFont, this);
    place(feeFrame, 120, 3780, 11190, 1440);

    // Documents, printer, application date, registered mail.
    auto* output = new QGroupBox(QStringLiteral("印刷の設定"), this);
    place(output, 120, 5280, 11190, 1800);
    const std::array<const char*, 3> documents{"再免許申請書", "封筒（総通宛用）長型3号",
                                               "封筒（返信用)長型3号"};
    const std::array<double, 3> documentLeft{180, 2400, 5700};
    for (int i = 0; i < printfill::kDocumentCount; ++i) {
        auto* box = new QCheckBox(QString::fromUtf8(documents[size_t(i)]), output);
        box->setObjectName(QStringLiteral("documentBox_%1").arg(i));
        place(box, documentLeft[size_t(i)], 300, 3000, 330);
        connect(box, &QCheckBox::toggled, this, &BatchPrintDialog::choiceChanged);
        documentBoxes[size_t(i)] = box;
    }
    QLabel* printerCaption = label(output, QStringLiteral("プリンター"), 180, 750, 1000);
    printerBox = new QComboBox(output);
    printerBox->setObjectName(QStringLiteral("printerBox"));
    printerCaption->setBuddy(printerBox);
    place(printerBox, 1200, 705, 4300, 345);
    propertiesButton =
        button(output, "propertiesButton", QStringLiteral("ﾌﾟﾛﾊﾟﾃｨ"), 5600, 690, 1100, 375);
    registeredMailBox = new QCheckBox(QStringLiteral("簡易書留(送付)"), output);
    registeredMailBox->setObjectName(QStringLiteral("registeredMailBox"));
    place(registeredMailBox, 7000, 720, 2600, 300);
    printDateBox = new QCheckBox(QStringLiteral("申請日"), output);
    printDateBox->setObjectName(QStringLiteral("printDateBox"));
    place(printDateBox, 180, 1275, 1300, 300);
    applicationDateBox = newApplicationDateBox(QStringLiteral("applicationDateBox"), output);
    connect(applicationDateBox, &DateBox::refused, this, [this](const QString& problem) {
        prompter_.message(
            {problem, state_.program.title, Prompter::Buttons::Ok, Prompter::Icon::None}, this);
    });
    place(applicationDateBox, 1560, 1260, 2400, 330);
    const std::array<const char*, 3> units{"年", "月", "日"};
    for (int i = 0; i < 3; ++i) {
        auto* spin = new SpinButton(output);
        spin->setObjectName(QStringLiteral("dateSpinButton_%1").arg(i));
        spin->setAccessibleName(
            QStringLiteral("申請日 %1").arg(QString::fromUtf8(units[size_t(i)])));
        place(spin, 4100 + i * 800, 1215, 255, 420);
        label(output, QString::fromUtf8(units[size_t(i)]), 4400 + i * 800, 1275, 400);
        connect(spin, &SpinButton::stepped, this, [this, i](int step) { onDateStepped(i, step); });
        dateSpinButtons[size_t(i)] = spin;
    }

    printButton = button(this, "printButton", QStringLiteral("印　刷"), 7920, 7200, 1500, 420);
    cancelButton =
        button(this, "cancelButton", QStringLiteral("キャンセル"), 9600, 7200, 1500, 420);

    connect(stationList, &QTreeWidget::itemChanged, this, &BatchPrintDialog::choiceChanged);
    connect(printerBox, &QComboBox::activated, this, [this] { onPrinterChosen(); });
    connect(propertiesButton, &QPushButton::clicked, this, &BatchPrintDialog::onPropertiesClicked);
    connect(printButton, &QPushButton::clicked, this, [this] { onPrintClicked(); });
    connect(cancelButton, &QPushButton::clicked, this, &BatchPrintDialog::onCancelClicked);
    connect(selectAllButton, &QPushButton::clicked, this, &BatchPrintDialog::onSelectAllClicked);
    connect(deselectAllButton, &QPushButton::clicked, this,
            &BatchPrintDialog::onDeselectAllClicked);
}

void BatchPrintDialog::load() {
    printerBox->addItems(printers_.deviceNames());
    printerBox->setCurrentText(printers_.currentName());
    printfill::FormState form;
    form.registeredMail = state_.print.RegisteredMail == 1;
    printfill::loadAnswers(form, state_.print, clock_.today());
    showAnswers(form);
    for (QCheckBox* box : documentBoxes)
        box->setChecked(true);
    listStations();
}

void BatchPrintDialog::listStations() {
    const RecordStore& store = state_.store;
    const QDate today = clock_.today();
    const QSignalBlocker quiet(stationList);
    stationList->clear();
    for (int k = 1; k <= store.Count(); ++k) {
        const StationRecord& record = store.record(k);
        const renewal::Window window = renewal::windowFor(record);
        const renewal::State state = renewal::stateOn(window, today);
        if (!renewal::isOpen(state))
            continue;
        auto* item = new QTreeWidgetItem(stationList);
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
        // The tick is what a screen reader lands on: it tells the state there too.
        item->setData(NumberColumn, Qt::AccessibleDescriptionRole, renewal::stateLabel(state));
    }
    choiceChanged();
}

int BatchPrintDialog::stationCount() const {
    return stationList->topLevelItemCount();
}

std::vector<int> BatchPrintDialog::tickedRecords() const {
    std::vector<int> records;
    for (int i = 0; i < stationList->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = stationList->topLevelItem(i);
        if (item->checkState(NumberColumn) == Qt::Checked)
            records.push_back(item->data(NumberColumn, Qt::DisplayRole).toInt());
    }
    return records;
}

void BatchPrintDialog::choiceChanged() {
    const int stations = int(tickedRecords().size());
    int docs = 0;
    for (const QCheckBox* box : documentBoxes)
        docs += box->isChecked() ? 1 : 0;
    countLabel->setText(QStringLiteral("%1局中 %2局を印刷（%3ページ）")
                            .arg(stationCount())
                            .arg(stations)
                            .arg(stations * docs));
    printButton->setEnabled(stations * docs > 0);
}

printfill::FormState BatchPrintDialog::readAnswers() const {
    printfill::FormState form = form_;
    form.appDate = applicationDateBox->text();
    form.printDate = printDateBox->isChecked();
    form.registeredMail = registeredMailBox->isChecked();
    feeFrame->read(form);
    return form;
}

void BatchPrintDialog::showAnswers(const printfill::FormState& form) {
    form_ = form;
    showApplicationDate(form.appDate);
    printDateBox->setChecked(form.printDate);
    registeredMailBox->setChecked(form.registeredMail);
    feeFrame->show(form);
}

batchprint::Request BatchPrintDialog::request() const {
    batchprint::Request r;
    for (int k : tickedRecords())
        r.stations.push_back({k, state_.store.record(k)});
    for (int i = 0; i < printfill::kDocumentCount; ++i)
        r.docs[size_t(i)] = documentBoxes[size_t(i)]->isChecked();
    r.answers = state_.print;
    r.settings = state_.settings;
    r.bureauFile = state_.program.path(bureaufile::fileName());
    r.today = clock_.today();
    return r;
}

void BatchPrintDialog::onDateStepped(int index, int step) {
    // A date typed but not yet finished is taken first; the step moves it.
    if (!applicationDateBox->takeTyped())
        return;
    if (const auto shown = printfill::stepApplicationDate(applicationDateBox->text(), index, step))
        showApplicationDate(*shown);
}

void BatchPrintDialog::showApplicationDate(const QString& date) {
    // The box makes the date its accessible description.
    applicationDateBox->setText(date);
}

void BatchPrintDialog::onPrinterChosen() {
    if (printers_.select(printerBox->currentText()))
        setWindowTitle(QStringLiteral("一括印刷 - %1").arg(printerBox->currentText()));
}

void BatchPrintDialog::onPropertiesClicked() {
    printers_.showProperties(printerBox->currentText(), this);
    onPrinterChosen();
}

void BatchPrintDialog::onCancelClicked() {
    reject();
}

void BatchPrintDialog::onSelectAllClicked() {
    tickAll(Qt::Checked);
}

void BatchPrintDialog::onDeselectAllClicked() {
    tickAll(Qt::Unchecked);
}

void BatchPrintDialog::tickAll(Qt::CheckState state) {
    {
        const QSignalBlocker quiet(stationList);
        for (int i = 0; i < stationList->topLevelItemCount(); ++i)
            stationList->topLevelItem(i)->setCheckState(NumberColumn, state);
    }
    stationList->viewport()->update();
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
    progress.setObjectName(QStringLiteral("progressDialog"));
    progress.setWindowTitle(windowTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoReset(false);
    progressDialog = &progress;
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
    progressDialog = nullptr;
    return outcome;
}

bool BatchPrintDialog::confirmApplicantBlank(const batchprint::Request& r) {
    // As the print settings dialog judges one station: spaces print as nothing, and either
    // address line is an address.
    const auto blank = [](const StationRecord& record, Field field) {
        return record.trimmedView(field).trimmed().isEmpty();
    };
    QStringList callSigns;
    for (const batchprint::Station& station : r.stations) {
        const StationRecord& record = station.record;
        if (blank(record, Field::ApplicantName) ||
            (blank(record, Field::ApplicantAddr1) && blank(record, Field::ApplicantAddr2)))
            callSigns << callSignOf(record);
    }
    if (callSigns.isEmpty())
        return true;
    return prompter_.message(
               {QStringLiteral(
                    "申請者の氏名または住所が空欄の局があります: %1。このまま印刷しますか？")
                    .arg(listedCallSigns(callSigns)),
                state_.program.title, Prompter::Buttons::YesNo, Prompter::Icon::Warning,
                Prompter::Answer::No},
               this) == Prompter::Answer::Yes;
}

bool BatchPrintDialog::confirmOutsideWindow(const batchprint::Request& r) {
    // Without the date on the form the applicant dates it by hand: nothing printed to check.
    if (!r.docs[printfill::ApplicationForm] || r.answers.PrintDateFlag != 1)
        return true;
    const QDate day = ParseEraDate(r.answers.PrintAppDate);
    std::vector<StationRecord> records;
    for (const batchprint::Station& station : r.stations)
        records.push_back(station.record);
    QStringList callSigns;
    for (size_t i : renewal::outsideWindow(records, day))
        callSigns << callSignOf(records[i]);
    if (callSigns.isEmpty())
        return true;
    return prompter_.message(
               {QStringLiteral("申請日 %1 が申請期間外の局があります: %2。このまま印刷しますか？")
                    .arg(FormatEraDate(day, EraPattern::Unpadded), listedCallSigns(callSigns)),
                state_.program.title, Prompter::Buttons::YesNo, Prompter::Icon::Warning,
                Prompter::Answer::No},
               this) == Prompter::Answer::Yes;
}

bool BatchPrintDialog::onPrintClicked() {
    // A date typed but not yet finished is what the user means to print; a refused one stays.
    if (!applicationDateBox->takeTyped())
        return false;
    // The shared answers are remembered as the print settings dialog remembers them.
    const printfill::FormState form = readAnswers();
    printfill::storeAnswers(form, state_.print);
    state_.print.RegisteredMail = form.registeredMail ? 1 : 0;
    const batchprint::Request r = request();
    if (batchprint::pageCount(r) == 0)
        return false;
    if (!confirmOutsideWindow(r))
        return false;
    if (r.docs[printfill::ApplicationForm] && !confirmApplicantBlank(r))
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
