#include <dlfcn.h>

#include <filesystem>

#include "tools/certificate_output.h"

namespace pramo::tools {
namespace {

// The renderer module beside the tool (the build folder), else where the installation puts it for a tool in
// <prefix>/bin. Loaded once, on the first certificate.
CertificateWriter* LoadWriter(std::string& error) {
  std::error_code ignored;
  const std::filesystem::path tool = std::filesystem::read_symlink("/proc/self/exe", ignored).parent_path();
  const std::filesystem::path candidates[] = {tool / PRAMO_CERTIFICATE_MODULE,
                                              tool / PRAMO_MODULE_FROM_BIN / PRAMO_CERTIFICATE_MODULE};
  for (const auto& path : candidates) {
    if (!std::filesystem::exists(path, ignored)) continue;
    void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
      error = std::string("cannot load the certificate renderer: ") + ::dlerror();
      return nullptr;
    }
    if (auto* writer = reinterpret_cast<CertificateWriter*>(::dlsym(module, kCertificateWriterName)))
      return writer;
    error = "the certificate renderer " + path.string() + " has no entry point";
    return nullptr;
  }
  error = "the certificate renderer " + candidates[1].lexically_normal().string() + " is missing";
  return nullptr;
}

}  // namespace

bool WriteCertificate(const CalculationState& state, const CertificateRequest& request, Messages& messages,
                      std::string& error) {
  static std::string loadError;
  static CertificateWriter* const writer = LoadWriter(loadError);
  if (!writer) {
    error = loadError;
    return false;
  }
  return writer(state, request, messages, error);
}

}  // namespace pramo::tools
