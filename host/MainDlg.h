// The main window: two folder fields, the include-subfolders option, one
// action row per converter plug-in, the progress fields and the buttons.
// Plug-ins are loaded and their rows built before the window first shows;
// they are unloaded when the dialog object goes, after its window.
#pragma once

#include "ActionRowArea.h"
#include "CButton.h"
#include "CComboBox.h"
#include "CDialog.h"
#include "CFont.h"
#include "CStatic.h"
#include "ConverterTable.h"
#include "ProgressField.h"
#include "RepaintThrottle.h"
#include "RunWindow.h"

class CMainDlg : public CDialog, public RunWindow {
public:
    explicit CMainDlg(CWnd* parent = nullptr);
    ~CMainDlg() override;

    // What the conversion run reads and sets of the window.
    HWND OwnerWindow() override { return m_hWnd; }
    bool IsRowTicked(int row) override;
    CString RowPatternText(int row) override;
    bool IncludeSubfolders() override;
    void SetFileCountText(const char* text) override;
    void SetCurrentFileText(const char* text) override;
    void SetStatusText(const char* text) override;
    void ShowMessage(unsigned textId, unsigned captionId) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // The about command (IDM_ABOUTBOX, whatever its four lowest bits) shows
    // the about box; false leaves every other command to the platform.
    bool OnSysCommand(UINT nID, LPARAM lParam);
    bool OnPaint();
    HCURSOR OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }
    void OnClose();
    void OnDestroy();
    void OnExecute();
    void OnBrowseSource();
    void OnBrowseDest();
    // Lists every converter's file name and description in the information dialog.
    void OnInformation();

    // Opens the shell's folder picker with the title: 1 when a folder was
    // picked (path then holds it), 0 when the picker was cancelled or the
    // picked item has no file-system path (path unchanged).
    int BrowseForFolder(CString title, CString& path);
    // Puts the path at the top of the field's list and into its edit field.
    // The insertion's result: 0, or a negative error of the combo box.
    int InsertSourceFolder(CString path);
    int InsertDestFolder(CString path);
    static int InsertFolder(CComboBox& field, const CString& path);

    // Creates one check box and one pattern combo box per converter inside
    // the action group. Always 0.
    int BuildActionRows();
    // Deletes both row arrays (and with them the row windows), if built.
    void ReleaseActionRows();
    int RowCount() const { return m_pRowChecks && m_converters.m_nCount > 0 ? m_converters.m_nCount : 0; }
    // Paints the progress fields now, or when the last repaint is long enough ago.
    void RepaintProgress();
    void RepaintProgressIfDue();

    // Members in the order the design gives; the destructor releases them
    // the other way round: the plug-ins first, then the rows' font.
    int m_nFileCount = 0;
    CButton m_chkSubfolders;
    CStatic m_stcStatus;
    CStatic m_stcCurrentFile;
    CStatic m_stcFileCount;
    CButton m_grpAction;
    CButton m_btnInfo;
    CButton m_btnBrowseDest;
    CComboBox m_cbDest;
    CComboBox m_cbSource;
    CButton m_btnBrowseSource;
    CButton* m_pRowChecks = nullptr;
    CComboBox* m_pRowCombos = nullptr;
    CFont m_fontRows;
    ConverterTable m_converters;
    HICON m_hIcon;
    // Placement and scrolling of the rows inside the action group.
    ActionRowArea m_rowArea;
    // A repaint of the fields costs about 10 ms under Wine: four a second keep
    // the count moving visibly at a few per cent of a long run.
    RepaintThrottle m_progressRepaint{250};
    // The count and the current file, set for every file of a run.
    ProgressField m_fileCountText;
    ProgressField m_currentFileText;
};
