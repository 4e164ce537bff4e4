// The Options menu commands of the panel. The two dialogs are built separately; until then the
// commands are accepted and do nothing.

#include "panel/child_view.h"

namespace kavel {

void CChildView::OnCommSettings() {}
void CChildView::OnCustomFile() {}

}  // namespace kavel
