#include "view/TransparentImage.h"

namespace vedo {

void dessinerImageTransparente(Surface& surface, Pixel position, const Image& image,
                               std::uint32_t transparente) {
    Image masquee = image;
    const std::uint32_t cle = transparente & 0xFFFFFFu;
    for (std::uint32_t& pixel : masquee.pixels)
        pixel = (pixel & 0xFFFFFFu) == cle ? 0 : pixel;
    surface.image(position, masquee);
}

} // namespace vedo
