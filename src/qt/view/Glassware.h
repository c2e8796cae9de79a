#pragma once
// The two glassware pictures set above the flask's neck, drawn by code on a
// magenta background that stands for transparency.

#include <QImage>

namespace vedo {

// 120 x 148: vertical ball condenser with its water hoses; its joint sits on
// the flask's axis at x = 14.
const QImage& imageRefrigerantABoules();

// 191 x 148: column with thermometer, sloping condenser with its hoses and
// receiving beaker; its joint sits on the flask's axis at x = 12.
const QImage& imageDistillation();

} // namespace vedo
