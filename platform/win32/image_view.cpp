#include "platform/win32/image_view.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/window_classes.h"

ImageView::ImageView(TImage& image, ViewContext& context)
    : ControlWindow(image, context), image_(image) {
    CreateChild(window_class::Image, 0, 0, true);
    if (!image.Picture().empty())
        bitmap_ =
            static_cast<HBITMAP>(LoadImageW(context_.Instance(), Wide(image.Picture()).c_str(),
                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

ImageView::~ImageView() {
    if (bitmap_)
        DeleteObject(bitmap_);
}

void ImageView::Paint(HDC dc, const RECT& client) {
    FillRect(dc, &client, context_.Brushes().Get(ParentColor()));
    if (!bitmap_)
        return;
    BITMAP size;
    GetObjectW(bitmap_, sizeof size, &size);
    int left = 0, top = 0;
    if (image_.Center()) {
        left = (client.right - size.bmWidth) / 2;
        top = (client.bottom - size.bmHeight) / 2;
    }
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap_);
    BitBlt(dc, left, top, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}
