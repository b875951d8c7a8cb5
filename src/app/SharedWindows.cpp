#include "app/SharedWindows.h"

#include "app/TFormAbout.h"
#include "app/TFormHelp.h"
#include "app/TFormManual.h"
#include "app/TForm_Animate.h"
#include "app/TForm_Foto.h"
#include "app/TForm_Nagrev_Dialog.h"
#include "fans/ui/FansFoundWindow.h"
#include "heating/ui/HeatingUnitReportForm.h"
#include "heating/ui/HeatingUnitResultsWindow.h"
#include "ui/report/TQROpenForm.h"
#include "ui/report/TQRep_FORM.h"
#include "ui/report/TQRep_Manual.h"

#include <functional>
#include <vector>

namespace SharedWindows {
namespace {

using Factory = std::function<QWidget*(QWidget* frame)>;

template <typename Window> QWidget* make(QWidget* frame)
{
    return new Window(frame);
}

// In the order the program creates them; the frame itself comes first and is not listed. A shared
// window joins the program by one line here, at its place in the full order:
// TFormAbout, TFormGrVovazu, TForm_Animate, TForm_ResImage, TResult_Form, TForm_Razmer, TQRep_FORM,
// TQRep_vovazu_FORM, TFormManual, TForm_ResImage_UtilitySMK, TResult_Form_Utility,
// TQRep_vovazu_FORM_Utility, TForm_Foto, TQRep_Manual, TFormHelp, TFormGrVovazuSMK, TForm_ResImageSMK,
// TForm_ResImage_Utility, TQRep_FORMSMK, TQRep_vovazu_FORM_UtilitySMK, TQRep_vovazu_FORMSMK,
// TForm_Nagrev_Dialog, TFormDialogKolich, TFormPritochVovazu, TFormResultPritoch, TQRep_Pritoch,
// TResult_Form_UtilitySMK, TResult_FormSMK, TFormSxema, TForm_YarlykChange, TFormDlgTipZavesa,
// TQROpenForm, TQRep_VozdZavesaORK, TFormVozdZavesaResORK, TQRep_VozdZavesaPLN, TFormVozdZavesaResPLN,
// TdgSMKCalkYchastok, TdgPodporYchastok, TQRep_VozdZavesaTEM, TFormVozdZavesaResTEM,
// TFormVozdAgregatResLUMA, TQRep_VozdAgregatLUMA.
const std::vector<Factory>& factories()
{
    static const std::vector<Factory> list {
        make<TFormAbout>,
        make<TFormGrVovazu>,
        make<TForm_Animate>,
        make<TQRep_FORM>,
        make<TFormManual>,
        make<TForm_Foto>,
        make<TQRep_Manual>,
        make<TFormHelp>,
        make<TQRep_FORMSMK>,
        make<TForm_Nagrev_Dialog>,
        make<TQROpenForm>,
        make<TFormVozdAgregatResLUMA>,
        make<TQRep_VozdAgregatLUMA>,
    };
    return list;
}

QList<QPointer<QWidget>>& windows()
{
    static QList<QPointer<QWidget>> list;
    return list;
}

} // namespace

void createAll(QWidget* frame)
{
    windows().clear();
    for (const Factory& factory : factories())
        windows().append(factory(frame));
}

QList<QWidget*> all()
{
    QList<QWidget*> alive;
    for (const QPointer<QWidget>& window : windows()) {
        if (window)
            alive.append(window.data());
    }
    return alive;
}

QWidget* findByClassName(const char* className)
{
    for (QWidget* window : all()) {
        if (window->inherits(className))
            return window;
    }
    return nullptr;
}

} // namespace SharedWindows
