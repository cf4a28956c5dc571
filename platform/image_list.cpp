#include "platform/image_list.h"

#include "platform/canvas.h"
#include "platform/exceptions.h"

const TIcon& TImageList::Icon(int index) const {
    if (index < 0 || index >= Count())
        throw EInvalidOperation("Image list index out of bounds");
    return images_[index];
}

int TImageList::AddIcon(const TIcon& icon) {
    if (icon.Empty())
        throw EInvalidOperation("Unable to Add Image");
    images_.push_back(icon);
    return Count() - 1;
}

void TImageList::ReplaceIcon(int index, const TIcon& icon) {
    if (icon.Empty() || index < 0 || index >= Count())
        throw EInvalidOperation("Unable to Replace Image");
    images_[index] = icon;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
    if (index >= 0 && index < Count())
        canvas.DrawIcon(x, y, images_[index], enabled);
}

bool TImageList::SetProperty(const std::string& name, const LayoutValue& v) {
    if (name == "Width")
        width_ = v.AsInt();
    else if (name == "Height")
        height_ = v.AsInt();
    else
        return false;
    return true;
}
