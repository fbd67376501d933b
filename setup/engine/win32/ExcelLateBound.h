#pragma once
// Excel through late-bound automation: "Excel.application" created per engine operation,
// each call by member name. The collections a call needs are released before it returns;
// the workbook and sheet the mail steps add are held until the application is released.

#include "ExcelAutomation.h"

namespace qv::setup::win {

class ExcelLateBound final : public ExcelAutomation {
  public:
    std::unique_ptr<ExcelApplication> createApplication() override;
};

}  // namespace qv::setup::win
