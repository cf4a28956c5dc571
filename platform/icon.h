#pragma once
// TIcon: a shared, immutable icon picture made by the platform; an empty TIcon is none.
#include <memory>

class IconImage {
public:
    virtual ~IconImage() = default;
};

class TIcon {
public:
    TIcon() = default;
    explicit TIcon(std::shared_ptr<const IconImage> image) : image_(std::move(image)) {}

    bool Empty() const { return !image_; }
    const IconImage* Image() const { return image_.get(); }
    friend bool operator==(const TIcon& a, const TIcon& b) { return a.image_ == b.image_; }

private:
    std::shared_ptr<const IconImage> image_;
};
