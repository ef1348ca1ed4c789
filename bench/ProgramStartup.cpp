// The program's own start-up, ending as soon as the box dimensions dialog is on screen.
#include "ExposeQuit.h"
#include "ui/FrmBox.h"
#include "ui/Program.h"
#include "ui/WindowSet.h"

int main(int argc, char* argv[])
{
    ExposeQuit quitter;
    // The dialog's expose is queued by the platform, so watching it after the start sees it.
    return orbanil::runProgram(
        argc, argv, [&quitter](orbanil::WindowSet& windows) { quitter.watch(*windows.frmBox()); });
}
