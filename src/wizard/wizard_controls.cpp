#include "wizard/wizard_outcome.h"

namespace zep {

const char* control_name(WizardControl control) {
    switch (control) {
    case WizardControl::None:
        return "";
    case WizardControl::Code:
        return "txtShifr";
    case WizardControl::Name:
        return "txtName";
    case WizardControl::ChainCount:
        return "txtNch";
    case WizardControl::NestedChainCount:
        return "txtnc2";
    case WizardControl::CategoryCount:
        return "txtKat";
    case WizardControl::AllowedSubgraphs:
        return "txtDnp";
    case WizardControl::QuantSteps:
        return "txtMxns";
    case WizardControl::IntervalCountGrid:
        return "Grid2a";
    case WizardControl::IntervalGrid:
        return "Grid2b";
    case WizardControl::ChainGrid:
        return "StringGrid1";
    case WizardControl::NestedChainGrid:
        return "StringGrid1_";
    case WizardControl::OperationGrid:
        return "StringGrid2";
    case WizardControl::VariantGrid:
        return "StringGrid";
    case WizardControl::ResourceVariantGrid:
        return "StringGrid_a";
    case WizardControl::ReviewGrid:
        return "Grid";
    case WizardControl::ResourceReviewGrid:
        return "Grid_a";
    case WizardControl::Tact:
        return "txtDelta";
    case WizardControl::ScalingCoef:
        return "txtKoe";
    case WizardControl::ThresholdList:
        return "clFazu";
    case WizardControl::CostThreshold:
        return "txt_C";
    case WizardControl::SecondLevelIterations:
        return "txt_Nd";
    case WizardControl::ReductionCoef:
        return "txt_kup";
    case WizardControl::NextButton:
        return "btnNext";
    }
    return "";
}

} // namespace zep
