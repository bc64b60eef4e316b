#pragma once

#include "app/gui/frmWaybillMain.h"

#include <array>

class QAction;

namespace waybill {

// The main window's menu entries, by their names; toolbar buttons use the same actions.
struct frmWaybillMain::Actions {
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFileConfig = nullptr;
    QAction* mnuFileBar5 = nullptr;
    std::array<QAction*, 4> mnuFileMRU{};
    QAction* mnuFileExit = nullptr;

    QAction* mnuFilePrintPreview = nullptr;
    QAction* mnuFilePrint = nullptr;
    QAction* mnuFilePrintSetup = nullptr;
    QAction* mnuFileExportPdf = nullptr;

    QAction* mnuEditUndo = nullptr; // also the toolbar's Undo and Redo buttons
    QAction* mnuEditRedo = nullptr;
    QAction* mnuEditCut = nullptr;
    QAction* mnuEditCopy = nullptr;
    QAction* mnuEditPaste = nullptr;
    QAction* mnuEditDelete = nullptr;

    QAction* mnuCtrlsFirstPg = nullptr;
    QAction* mnuCtrlsPrevPg = nullptr;
    QAction* mnuCtrlsNextPg = nullptr;
    QAction* mnuCtrlsLastPg = nullptr;
    QAction* mnuCtrlsGotoPg = nullptr;
    QAction* mnuCtrlsAddPg = nullptr;
    QAction* mnuCtrlsDelPg = nullptr;
    QAction* mnuCtrlsCopyPg = nullptr;
    QAction* mnuCtrlsCutPg = nullptr;
    QAction* mnuCtrlsPastePg = nullptr;
    QAction* mnuCtrlsEditAttrib = nullptr;

    QAction* mnuOptSort = nullptr;
    QAction* mnuOptNumberPages = nullptr;
    QAction* mnuOptShowTotalPages = nullptr;
    QAction* mnuOptRedLine = nullptr;

    QAction* mnuHelpContents = nullptr;
    QAction* mnuHelpSearch = nullptr;
    QAction* mnuHelpAbout = nullptr;
};

} // namespace waybill
