// The modal dialog inside which the folder walk runs: animation, the folder being
// searched, the count found, and Cancel.
#pragma once
#include "search/search_source.h"
#include "search/walk_profile.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/timer.h"

#include <memory>

class TSearchDlg : public TForm {
public:
    // Fails with "AVI を開くことができません" or "タイマーを取得できません".
    TSearchDlg(TApplication& app, TForm& owner, TSearchSource& source);
    ~TSearchDlg() override;

    TControl Animate1;
    TControl Label1;
    TControl Label2;
    TControl Label3;
    TControl Label4;
    TButton Button1;
    std::unique_ptr<TTimer> Timer1;
    // Filled by the walk in a build made for the benchmark.
    TWalkProfile Profile;

    void Timer1Timer();
    void RunSearch();

protected:
    void FormShow() override;

private:
    void CreateControls();
    void OpenClip();
    void CenterOverOwner();

    TSearchSource& source_;
};
