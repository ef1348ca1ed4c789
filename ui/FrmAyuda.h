#pragma once

#include "ui/FixedWindow.h"

#include <filesystem>

class QPlainTextEdit;
class QPushButton;

namespace orbanil {

// The help window: shows Ayuda.txt from the program folder, read afresh at each loading.
class FrmAyuda : public FixedWindow
{
    Q_OBJECT
public:
    explicit FrmAyuda(const std::filesystem::path& programFolder,
                      UiServices services = defaultUiServices());

private:
    void Form_Load(const std::filesystem::path& programFolder);
    void CmdAceptar_Click();

    QPlainTextEdit* Ayuda;
    QPushButton* CmdAceptar;
};

} // namespace orbanil
