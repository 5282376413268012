// Dialogs from resource templates (compiled with windres). A modal dialog disables its owner,
// runs its own message loop (idle updates of its controls included) until EndDialog, and gives
// back the result; a modeless one is created and lives like any window. Messages reach the
// dialog object through its message map first; what it does not handle goes to the system's
// dialog manager.
#pragma once

#include "fx/win/DataExchange.h"
#include "fx/win/Wnd.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Runs the dialog modally; the value given to EndDialog, or -1 when it could not be made
    // (no template) or the application is ending (WM_QUIT).
    virtual INT_PTR DoModal();
    // Modeless creation from the dialog's own template (or another).
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATEW lpDialogTemplate, CWnd* pParentWnd);
    void EndDialog(int nResult);

    // Called once the controls exist; the base fills them from the members (UpdateData FALSE).
    // TRUE lets the system put the focus on the first control.
    virtual BOOL OnInitDialog();
    // IDOK: takes the controls' values (UpdateData TRUE) and ends with IDOK when they are valid.
    virtual void OnOK();
    virtual void OnCancel();
    // Moves values between members and controls through DoDataExchange; FALSE when a value was
    // refused (the user has been told and the control has the focus).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange*) {}

    // Keyboard navigation (Tab, arrows, Enter, Escape) for messages meant for this dialog.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    BOOL IsModal() const { return m_bModal; }
    UINT m_nIDHelp = 0;

protected:
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    // The modal loop went idle: update the controls' states (their update handlers).
    LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);

    LPCSTR TemplateName() const;
    // The template resource, or null when the module has none of that name.
    LPCDLGTEMPLATEW FindTemplate(LPCSTR lpszTemplateName) const;

    UINT m_nIDTemplate = 0;
    CString m_strTemplateName;
    CWnd* m_pParentWnd = nullptr;
    BOOL m_bModal = FALSE;

    DECLARE_MESSAGE_MAP()
};

// The dialog procedure the framework gives every dialog; the object handles the messages in its
// window procedure, so this answers FALSE and lets the dialog manager do its default work.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
