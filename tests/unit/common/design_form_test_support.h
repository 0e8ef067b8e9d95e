// Helpers of the design-form tests: a settings block as ResetDesign leaves it, the design as a
// dialog opens it (loaded, then cleared of values outside their controls' ranges) and as OK
// stores it back unchanged, and the bytes of one box's row in the design data.
#pragma once
#include <cstdint>
#include <vector>

#include "product_config.h"
#include "product_hooks.h"

namespace design_form_test {

using Block = std::vector<int32_t>;

inline Block ResetBlock() {
  Block block(product::kBlockWords, 0);
  block[0] = product::kBlockWords;
  ResetDesign(block.data());
  return block;
}

// Form is the deliverable's DesignForm; its Load, Clamp and Store are found beside it.
template <class Form>
Form OpenedAs(const Block& block) {
  Form form;
  LoadDesignForm(block.data(), form);
  ClampOpenedForm(form);
  return form;
}

// Opened in the dialog and confirmed without changes.
template <class Form>
Block ConfirmedUnchangedAs(const Block& block) {
  Block out = block;
  StoreDesignForm(OpenedAs<Form>(block), out.data());
  return out;
}

inline unsigned char* RowBytes(Block& block, int firstWord, int words, int box) {
  return reinterpret_cast<unsigned char*>(block.data() + firstWord + words * box);
}

}  // namespace design_form_test
