// CMatrixDlg (Windows only): the matrix switching dialog "矩陈切换" (template 173), a skinned
// dialog of the library. Each row's "切换到" connects the chosen input to the chosen output of
// its matrix through the device link at once; the dialog stays open, and neither Enter nor
// Escape closes it (the caption's close button does).
#pragma once

#include "app/core/profile/ProfileRecords.h"
#include "skin/ctrl/Dialog.h"

class CComm;

class CMatrixDlg : public CLuDialog {
public:
    // The configured copy, the matrices and the link the program has (tests give their own).
    explicit CMatrixDlg(CWnd* pParent = nullptr);
    CMatrixDlg(const SystemConfig& configured, const MatrixConfig& matrices, CComm* pComm, CWnd* pParent = nullptr);

    // The row's switch with what its lists show; the message shown, empty on success.
    CString SwitchRow(int nRow);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    void OnClose();
    void OnSwitch(UINT nID);
    // Shows a refusal (tests record it instead).
    virtual void Tell(LPCSTR lpszText);

    void FillRow(int nRow);

    DECLARE_MESSAGE_MAP()

private:
    const SystemConfig& m_configured;
    const MatrixConfig& m_matrices;
    CComm* m_pComm;
};

// The main menu's 矩阵切换: refused offline with "当前为脱机状态,请联机!", else the dialog,
// modal over pParent.
void openMatrixDialog(CWnd* pParent);
