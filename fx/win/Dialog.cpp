#include "fx/win/Dialog.h"

#include "fx/core/Exception.h"
#include "fx/win/DialogFont.h"
#include "fx/win/Text.h"
#include "fx/win/WinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
    m_nIDHelp = nIDTemplate;
}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_strTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog() = default;

LPCSTR CDialog::TemplateName() const
{
    return m_nIDTemplate != 0 ? MAKEINTRESOURCEA(m_nIDTemplate) : m_strTemplateName.GetString();
}

LPCDLGTEMPLATEW CDialog::FindTemplate(LPCSTR lpszTemplateName) const
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hResource = ::FindResourceW(hInst, fx::WideArg(lpszTemplateName), reinterpret_cast<LPCWSTR>(RT_DIALOG));
    if (hResource == nullptr)
        return nullptr;
    HGLOBAL hGlobal = ::LoadResource(hInst, hResource);
    return hGlobal != nullptr ? static_cast<LPCDLGTEMPLATEW>(::LockResource(hGlobal)) : nullptr;
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATEW lpDialogTemplate, CWnd* pParentWnd)
{
    if (lpDialogTemplate == nullptr || m_hWnd != nullptr)
        return FALSE;
    HWND hParent = SafeHwnd(pParentWnd);
    // The template's font exchanged for one that draws Latin and Chinese alike, whatever the
    // system's code page; the dialog manager is done with the copy once the dialog exists.
    const fx::detail::DialogFontTemplate fitted(lpDialogTemplate);
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamW(AfxGetResourceHandle(), fitted.get(), hParent, &AfxDlgProc,
                                            reinterpret_cast<LPARAM>(this));
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    return hWnd != nullptr;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDTemplate = nIDTemplate;
    m_pParentWnd = pParentWnd;
    return CreateIndirect(FindTemplate(TemplateName()), pParentWnd);
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_nIDTemplate = 0;
    m_strTemplateName = lpszTemplateName;
    m_pParentWnd = pParentWnd;
    return CreateIndirect(FindTemplate(TemplateName()), pParentWnd);
}

INT_PTR CDialog::DoModal()
{
    LPCDLGTEMPLATEW lpTemplate = FindTemplate(TemplateName());
    if (lpTemplate == nullptr)
        return -1;

    // The owner is a top-level window: the given parent's, else the active window of this
    // thread, else the main window.
    HWND hOwner = SafeHwnd(m_pParentWnd);
    if (hOwner == nullptr)
        hOwner = ::GetActiveWindow();
    if (hOwner == nullptr && AfxGetMainWnd() != nullptr)
        hOwner = AfxGetMainWnd()->m_hWnd;
    while (hOwner != nullptr && (::GetWindowLongW(hOwner, GWL_STYLE) & WS_CHILD))
        hOwner = ::GetParent(hOwner);
    const BOOL disableOwner = hOwner != nullptr && ::IsWindowEnabled(hOwner);
    if (disableOwner)
        ::EnableWindow(hOwner, FALSE);

    m_bModal = TRUE;
    m_bContinueModal = TRUE;  // EndDialog inside OnInitDialog ends it before the loop starts
    m_nModalResult = -1;
    CWnd owner;
    owner.m_hWnd = hOwner;
    if (CreateIndirect(lpTemplate, hOwner != nullptr ? &owner : nullptr)) {
        if (m_bContinueModal) {
            const DWORD flags = (GetStyle() & DS_NOIDLEMSG) ? MLF_NOIDLEMSG | MLF_SHOWONIDLE : MLF_SHOWONIDLE;
            RunModalLoop(flags);
        }
        // Hidden before the owner comes back, so the owner (not another program) is activated.
        if (m_hWnd != nullptr)
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    owner.m_hWnd = nullptr;
    if (disableOwner)
        ::EnableWindow(hOwner, TRUE);
    if (hOwner != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hOwner);
    DestroyWindow();
    m_bModal = FALSE;
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_bModal) {
        EndModalLoop(nResult);
        return;
    }
    m_nModalResult = nResult;
    ShowWindow(SW_HIDE);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (CUserException* e) {
        e->Delete();  // the user was told; the failing control has the focus
        return FALSE;
    }
    return TRUE;
}

LRESULT CDialog::OnKickIdle(WPARAM, LPARAM)
{
    UpdateDialogControls(this, FALSE);
    return 0;  // one update per burst of messages
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    // Only keys meant for this dialog or its controls; a nested dialog handles its own.
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    return ::IsDialogMessageW(m_hWnd, pMsg);
}
