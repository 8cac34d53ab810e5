// Headless pictures of the gallery: every page as a PNG and a contact sheet of them all.
#pragma once

#include <string>

namespace gallery {

class TGalleryForm;

// Writes DIR/<page id>.png for every page and DIR/gallery.png, a sheet of all pages.
void WritePageSnapshots(TGalleryForm* Form, const std::string& Dir);

}  // namespace gallery
