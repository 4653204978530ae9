#include "HostDialog.h"

#include "HostWindow.h"

namespace host {

void CHostDialog::EndDialog(int result) {
    if (m_pHost)
        m_pHost->EndModal(result);
}

} // namespace host
