#include <QAction>

#include "ui/frmmatrix.h"
#include "ui/frmvireo.h"

namespace ui {

void frmVireo::baueMatrix() { connect(cmdMatrixdef, &QAction::triggered, this, &frmVireo::cmdMatrixdef_Click); }

void frmVireo::cmdMatrixdef_Click() {
    if (!matrix_) matrix_ = new frmMatrix(*welt_, this);
    matrix_->zeige();
}

}  // namespace ui
