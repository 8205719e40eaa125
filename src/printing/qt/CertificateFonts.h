#pragma once

#include <QFont>

#include "printing/PageCanvas.h"

namespace pramo {

// The Qt font for a certificate font at a canvas's font pixels-per-inch. The certificate's own face
// names ("Arial CE", "Times New Roman CE") are served by the metric-compatible Liberation Sans and
// Liberation Serif, loaded from their files so that the pages do not depend on the system's font
// configuration and are embedded in every PDF; any other name is taken as a family name. Needs a Qt GUI
// application object.
QFont CertificateQFont(const CanvasFont& font, double pixelsPerInch);

}  // namespace pramo
