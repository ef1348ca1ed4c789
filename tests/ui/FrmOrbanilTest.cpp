#include "tests/support/UiTestSupport.h"
#include "ui/CodeBox.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTimer>

using namespace orbanil;
using namespace orbanil::testing;

class FrmOrbanilTest : public QObject
{
    Q_OBJECT
private slots:
    void firstDisplay();
    void captionsAndTooltips();
    void focusOrderWithBothPanels();
    void generateWaitsForEveryField();
    void generateWritesTheWorkedExample();
    void numericFieldFilters_data();
    void numericFieldFilters();
    void unmatchedAltLettersAreNotTyped();
    void clipboardGetsTheExactCodeText();
    void codeBoxReplacementsAreUndoable();
    void typingCodeEnablesCopyAndSave();
    void codeLeavesWithCrLfWhateverWasTyped();
};

void FrmOrbanilTest::firstDisplay()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    QVERIFY(main && main->isVisible());
    QCOMPARE(main->windowTitle(), QStringLiteral("Wagon Orbanil"));
    for (QLineEdit* field : main->findChildren<QLineEdit*>()) {
        QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
    }
    QVERIFY(main->txtCode->isEmpty());
    QVERIFY(!main->CmdGenerate->isEnabled());
    QVERIFY(!main->CmdClip->isEnabled());
    QVERIFY(!main->CmdSaveFile->isEnabled());
    QVERIFY(!main->FraSave->isVisible() && !main->FraOpen->isVisible());
    QCOMPARE(main->focusWidget(), main->txtShapeFile);
    QCOMPARE(main->txtCode->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(main->txtCode->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(main->Timer1->interval(), 100);
    QCOMPARE(main->Timer2->interval(), 100);
    QTRY_VERIFY(!main->CmdOpen->isEnabled());
    for (QPushButton* button : main->findChildren<QPushButton*>()) {
        QVERIFY2(!button->isDefault() && !button->autoDefault(), qPrintable(button->objectName()));
    }
}

void FrmOrbanilTest::captionsAndTooltips()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    const QList<QPair<QString, QString>> frames{{"Frame1", "Nombre del archivo Shape"},
                                                {"Frame2", "Posición de la cámara"},
                                                {"Frame3", "Limites de rotación de la cámara"},
                                                {"Frame4", "Dirección de inicio de la cámara"},
                                                {"Frame5", "Archivo de sonido"},
                                                {"Frame6", "Código generado"},
                                                {"Frame7", "Dimensiones de la caja"},
                                                {"FraSave", "Guardar en archivo"},
                                                {"FraOpen", "Abrir archivo guardado"}};
    for (const auto& [name, title] : frames) {
        QCOMPARE(main->findChild<QGroupBox*>(name)->title(), title);
    }

    struct Caption
    {
        QWidget* control;
        QString text;
        QString tooltip;
    };
    const auto textOf = [](QWidget* w) {
        if (auto* label = qobject_cast<QLabel*>(w)) {
            return label->text();
        }
        return qobject_cast<QPushButton*>(w)->text();
    };
    const QList<Caption> captions{
        {main->Label1, "PassengerCabinFile (", "Archivo que se usará para la vista interior."},
        {main->Label2, ")", ""},
        {main->Command1, "...", "Haz Clic para buscar el archivo .S"},
        {main->Label3, "PassengerCabinHeadPos (", "Posición de la cámara dentro del vagón."},
        {main->Label4, ")", ""},
        {main->Label5, "RotationLimit (", "Límites de rotación de la cámara."},
        {main->Label6, ")", ""},
        {main->Label7, "StartDirection (",
         "Indica la dirección inicial de la cámara al cambiar a la vista nº 5."},
        {main->Label8, ")", ""},
        {main->Label9, "Sound (", "Especifica el sonido de la vista número 5."},
        {main->Label10, ")", ""},
        {main->Command2, "...", "Haz Clic para buscar el archivo .SMS"},
        {main->CmdGenerate, "&Generar Código", ""},
        {main->CmdClip, "&Copiar al Portapapeles", ""},
        {main->CmdSaveFile, "&Guardar", "Guardar el código en un archivo."},
        {main->CmdOpenFile, "&Abrir", "Abrir archivo existente."},
        {main->CmdClear, "&Borrar Código", ""},
        {main->Label12, "Introduzca el nombre del archivo sin extensión:", ""},
        {main->Label11, "Archivo:", ""},
        {main->CmdSave, "Guardar", ""},
        {main->CmdCancel, "Cancelar", ""},
        {main->Label13, "Selecciona un archivo de la lista:", ""},
        {main->lblOpenFile, "File:", ""},
        {main->CmdOpen, "Abrir", ""},
        {main->CmdCancel2, "Cancelar", ""},
        {main->CmdDimensions, "&Dimensiones de la caja", "Modificar las dimensiones de la caja."},
        {main->CmdAyuda, "A&yuda", ""},
        {main->CmdAbout, "&Acerca de..", ""},
        {main->CmdExit, "&Salir", ""},
    };
    for (const Caption& c : captions) {
        QCOMPARE(textOf(c.control), c.text);
        QCOMPARE(c.control->toolTip(), c.tooltip);
    }
    // The load step gives the two file fields their (then empty) texts as tooltips.
    QCOMPARE(main->txtShapeFile->toolTip(), QString());
}

void FrmOrbanilTest::focusOrderWithBothPanels()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    QCOMPARE(
        focusChain(main->txtShapeFile),
        (QStringList{"txtShapeFile", "txtCamPosX",  "txtCamPosY",    "txtCamPosZ", "txtRotLimX",
                     "txtRotLimY",   "txtRotLimZ",  "txtStaDirX",    "txtStaDirY", "txtStaDirZ",
                     "txtSound",     "txtCode",     "CmdGenerate",   "CmdClip",    "CmdSaveFile",
                     "CmdExit",      "CmdOpenFile", "CmdDimensions", "CmdAbout",   "Command1",
                     "Command2",     "CmdClear",    "CmdAyuda"}));
    main->FraSave->show();
    main->FraOpen->show();
    const QStringList chain = focusChain(main->txtShapeFile);
    QCOMPARE(chain.mid(14, 9),
             (QStringList{"CmdSaveFile", "txtfilename", "CmdSave", "CmdCancel", "CmdExit",
                          "CmdOpenFile", "File1", "CmdOpen", "CmdCancel2"}));
}

void FrmOrbanilTest::generateWaitsForEveryField()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    typeWorkedExample(main);
    QTRY_VERIFY(main->CmdGenerate->isEnabled());
    // Each of the eleven fields, emptied alone, takes the button away again.
    for (QLineEdit* field :
         {main->txtShapeFile, main->txtCamPosX, main->txtCamPosY, main->txtCamPosZ,
          main->txtRotLimX, main->txtRotLimY, main->txtRotLimZ, main->txtStaDirX, main->txtStaDirY,
          main->txtStaDirZ, main->txtSound}) {
        const QString kept = field->text();
        field->clear();
        QTRY_VERIFY2(!main->CmdGenerate->isEnabled(), qPrintable(field->objectName()));
        // A lone blank counts as filled.
        field->setText(QStringLiteral(" "));
        QTRY_VERIFY2(main->CmdGenerate->isEnabled(), qPrintable(field->objectName()));
        field->setText(kept);
    }
}

void FrmOrbanilTest::generateWritesTheWorkedExample()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    typeWorkedExample(main);
    QTRY_VERIFY(main->CmdGenerate->isEnabled());
    QTest::mouseClick(main->CmdGenerate, Qt::LeftButton);
    QCOMPARE(main->txtCode->codeText(), workedExampleCode);
    QCOMPARE(main->txtCode->codeText().size(), 192);
    // Generating again leaves one block, not two.
    QTest::mouseClick(main->CmdGenerate, Qt::LeftButton);
    QCOMPARE(main->txtCode->codeText(), workedExampleCode);
    QTRY_VERIFY(main->CmdClip->isEnabled() && main->CmdSaveFile->isEnabled());
}

void FrmOrbanilTest::numericFieldFilters_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("beeps");

    for (const char* f : {"txtCamPosX", "txtCamPosY", "txtCamPosZ"}) {
        const QString name = QString::fromLatin1(f);
        QTest::addRow("%s minus", f) << name << int(Qt::Key_Minus) << "1-" << 0;
        QTest::addRow("%s point", f) << name << int(Qt::Key_Period) << "1." << 0;
        QTest::addRow("%s comma", f) << name << int(Qt::Key_Comma) << "1" << 1;
        QTest::addRow("%s letter", f) << name << int(Qt::Key_X) << "1" << 1;
        QTest::addRow("%s enter", f) << name << int(Qt::Key_Return) << "1" << 0;
        QTest::addRow("%s backspace", f) << name << int(Qt::Key_Backspace) << "" << 0;
    }
    for (const char* f :
         {"txtRotLimX", "txtRotLimY", "txtRotLimZ", "txtStaDirX", "txtStaDirY", "txtStaDirZ"}) {
        const QString name = QString::fromLatin1(f);
        QTest::addRow("%s digit", f) << name << int(Qt::Key_7) << "17" << 0;
        QTest::addRow("%s minus", f) << name << int(Qt::Key_Minus) << "1" << 1;
        QTest::addRow("%s point", f) << name << int(Qt::Key_Period) << "1" << 1;
        QTest::addRow("%s enter", f) << name << int(Qt::Key_Return) << "1" << 0;
        QTest::addRow("%s backspace", f) << name << int(Qt::Key_Backspace) << "" << 0;
    }
    // The file name fields take any character.
    QTest::addRow("txtShapeFile comma") << "txtShapeFile" << int(Qt::Key_Comma) << "1," << 0;
    QTest::addRow("txtSound letter") << "txtSound" << int(Qt::Key_X) << "1x" << 0;
}

void FrmOrbanilTest::numericFieldFilters()
{
    QFETCH(QString, field);
    QFETCH(int, key);
    QFETCH(QString, after);
    QFETCH(int, beeps);
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    auto* edit = main->findChild<QLineEdit*>(field);
    QVERIFY(edit);
    edit->setText(QStringLiteral("1"));
    run.recorded.beeps = 0;
    QTest::keyClick(edit, static_cast<Qt::Key>(key));
    QCOMPARE(edit->text(), after);
    QCOMPARE(run.recorded.beeps, beeps);
}

void FrmOrbanilTest::unmatchedAltLettersAreNotTyped()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    main->txtCode->replaceCodeText(QStringLiteral("x"));
    QTRY_VERIFY(main->CmdSaveFile->isEnabled());
    QTest::mouseClick(main->CmdSaveFile, Qt::LeftButton);
    for (QLineEdit* edit : {main->txtShapeFile, main->txtSound, main->txtfilename}) {
        edit->setText(QStringLiteral("1"));
        run.recorded.beeps = 0;
        // Alt+U is no access key here: X11 would otherwise type the "u".
        QTest::keyClick(edit, Qt::Key_U, Qt::AltModifier);
        QCOMPARE(edit->text(), QStringLiteral("1"));
        QCOMPARE(run.recorded.beeps, 1);
        // AltGr arrives as Ctrl+Alt on Windows and types its character.
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_2, QStringLiteral("@"),
                            Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(edit->text(), QStringLiteral("1@"));
        QCOMPARE(run.recorded.beeps, 1);
    }
    QTest::keyClick(main->txtCode, Qt::Key_U, Qt::AltModifier);
    QCOMPARE(main->txtCode->codeText(), QStringLiteral("x"));
    // In a digits field too, though the digit alone would pass its filter.
    main->txtRotLimX->setText(QStringLiteral("1"));
    run.recorded.beeps = 0;
    QTest::keyClick(main->txtRotLimX, Qt::Key_2, Qt::AltModifier);
    QCOMPARE(main->txtRotLimX->text(), QStringLiteral("1"));
    QCOMPARE(run.recorded.beeps, 1);
}

void FrmOrbanilTest::clipboardGetsTheExactCodeText()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    QGuiApplication::clipboard()->setText(QStringLiteral("old contents"));
    typeWorkedExample(main);
    QTRY_VERIFY(main->CmdGenerate->isEnabled());
    QTest::mouseClick(main->CmdGenerate, Qt::LeftButton);
    QTRY_VERIFY(main->CmdClip->isEnabled());
    QTest::mouseClick(main->CmdClip, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), workedExampleCode);
}

void FrmOrbanilTest::codeBoxReplacementsAreUndoable()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    QTest::keyClicks(main->txtCode, QStringLiteral("mine"));
    typeWorkedExample(main);
    QTRY_VERIFY(main->CmdGenerate->isEnabled());
    QTest::mouseClick(main->CmdGenerate, Qt::LeftButton);
    QCOMPARE(main->txtCode->codeText(), workedExampleCode);
    QTest::keyClick(main->txtCode, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(main->txtCode->codeText(), QStringLiteral("mine"));

    QTest::keyClick(main->txtCode, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(main->txtCode->codeText(), workedExampleCode);
    QTest::mouseClick(main->CmdClear, Qt::LeftButton);
    QVERIFY(main->txtCode->isEmpty());
    QTest::keyClick(main->txtCode, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(main->txtCode->codeText(), workedExampleCode);
}

void FrmOrbanilTest::typingCodeEnablesCopyAndSave()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    QTest::qWait(250);
    QVERIFY(!main->CmdClip->isEnabled() && !main->CmdSaveFile->isEnabled());
    QTest::keyClick(main->txtCode, Qt::Key_A);
    QTRY_VERIFY(main->CmdClip->isEnabled() && main->CmdSaveFile->isEnabled());
    QTest::mouseClick(main->CmdClear, Qt::LeftButton);
    QTRY_VERIFY(!main->CmdClip->isEnabled() && !main->CmdSaveFile->isEnabled());
}

void FrmOrbanilTest::codeLeavesWithCrLfWhateverWasTyped()
{
    StartedRun run;
    FrmOrbanil* main = openMainWindow(run);
    QTest::keyClicks(main->txtCode, QStringLiteral("a"));
    QTest::keyClick(main->txtCode, Qt::Key_Return);
    QTest::keyClicks(main->txtCode, QStringLiteral("b"));
    QTest::keyClick(main->txtCode, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(main->txtCode, QStringLiteral("c\u00a0d"));
    QTest::keyClick(main->txtCode, Qt::Key_Return);
    QCOMPARE(main->txtCode->codeText(), QStringLiteral("a\r\nb\r\nc\u00a0d\r\n"));

    // Text put in with any line ends comes out with CR LF.
    main->txtCode->replaceCodeText(QStringLiteral("x\ny\r\nz\r"));
    QCOMPARE(main->txtCode->codeText(), QStringLiteral("x\r\ny\r\nz\r\n"));
}

QTEST_MAIN(FrmOrbanilTest)
#include "FrmOrbanilTest.moc"
