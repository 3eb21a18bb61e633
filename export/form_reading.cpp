#include "export/form_reading.h"

#include "results/load_table_form.h"
#include "results/single_result_form.h"

namespace trevalo::workbook {

SingleResultCaptions readSingleResultForm(const SingleResultForm* form)
{
    SingleResultCaptions captions;
    if (form == nullptr)
        return captions;
    for (std::size_t i = 0; i < captions.valueTexts.size(); ++i)
        captions.valueTexts[i] = form->valueText(static_cast<int>(i)).toStdString();
    captions.structuralLoadVisible = form->structuralLoadRowVisible();
    captions.pitDepthVisible = form->pitDepthRowVisible();
    return captions;
}

LoadTableCaptions readLoadTableForm(const LoadTableForm* form)
{
    LoadTableCaptions captions;
    if (form == nullptr)
        return captions;
    for (int array = 1; array <= kTableArrays; ++array) {
        for (int row = 0; row < kTableRows; ++row) {
            captions.cellTexts[static_cast<std::size_t>(array - 1)][static_cast<std::size_t>(row)] =
                form->cellText(array, row).toStdString();
        }
    }
    captions.rowZeroHidden = !form->rowVisible(0);
    return captions;
}

}  // namespace trevalo::workbook
