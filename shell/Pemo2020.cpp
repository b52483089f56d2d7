#include "Pemo2020.h"

#include "Picture.h"

namespace {

struct PictureCache {
    std::string fileName = "Pemo2020.jpg";
    bool firstUseDone = false;
    std::shared_ptr<Picture> pic;
};

PictureCache& Cache() {
    static PictureCache cache;
    return cache;
}

} // namespace

std::shared_ptr<Picture> Pemo2020() {
    PictureCache& cache = Cache();
    if (!cache.firstUseDone) {
        cache.firstUseDone = true;
        cache.pic.reset();
    }
    if (!cache.pic) {
        cache.pic = Picture::OpenFromApp(cache.fileName);
    }
    return cache.pic;
}

void Pemo2020Testing::SetFileName(std::string fileName) {
    Cache().fileName = std::move(fileName);
}

void Pemo2020Testing::ResetCache() {
    Cache().firstUseDone = false;
    Cache().pic.reset();
}
