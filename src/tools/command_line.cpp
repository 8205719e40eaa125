#include "tools/command_line.h"

#include <iostream>

#include "core/ProgramVersion.h"
#include "printing/PageEngine.h"

namespace pramo::tools {
namespace {

// The zoom list's entries without their " %".
std::optional<PreviewZoom> ZoomNamed(const std::string& value) {
  for (PreviewZoom zoom :
       {PreviewZoom::Half, PreviewZoom::ThreeQuarters, PreviewZoom::Full, PreviewZoom::OneAndHalf})
    if (ZoomEntryText(zoom) == value + " %") return zoom;
  return std::nullopt;
}

// The allowed values stand in the option's type name; the check itself need not repeat them.
CLI::Validator OneOf(std::vector<std::string> values) {
  return CLI::IsMember(std::move(values)).description("");
}

// The parser takes the word after an option that needs a value whatever it is; a word that looks like an
// option is refused instead, so that "--user --help" neither logs in as "--help" nor skips the login.
const CLI::Validator kNotAnOption(
    [](const std::string& value) {
      return value.size() > 1 && value[0] == '-' ? "wants a value, not the option " + value : std::string();
    },
    "");

void Complete(CLI::App& command) {
  command.set_help_flag("-h,--help", "print this help and exit");
  command.get_formatter()->column_width(30);
  for (CLI::Option* option : command.get_options())
    if (option->get_expected_min() > 0 && !option->get_positional()) option->check(kNotAnOption);
}

}  // namespace

void SetUpCommandLine(CLI::App& app) {
  Complete(app);
  app.set_version_flag("--version", std::string(app.get_name()) + " " + std::string(ProgramVersion()),
                       "print the version and exit");
  for (CLI::App* command : app.get_subcommands({})) Complete(*command);
}

std::optional<int> ParseCommandLine(CLI::App& app, int argc, char** argv) {
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    // The help of the command the line names, or the tool's.
    const auto commands = app.get_subcommands();
    std::cout << (commands.empty() ? app.help() : commands.back()->help(app.get_name()));
    return 0;
  } catch (const CLI::CallForVersion& version) {
    std::cout << version.what() << "\n";
    return 0;
  } catch (const CLI::ParseError& error) {
    std::string name = app.get_name();
    for (const CLI::App* command : app.get_subcommands()) name += " " + command->get_name();
    std::cerr << app.get_name() << ": " << error.what() << " (see " << name << " --help)\n";
    return kUsageStatus;
  }
  return std::nullopt;
}

void AddCertificateOptions(CLI::App& command, std::vector<CertificateEdit>& edits, bool withPdfFile) {
  const char* group = "Certificate";
  auto text = [&](const char* name, const char* help, auto apply) {
    command
        .add_option_function<std::string>(
            name,
            [&edits, apply](const std::string& value) {
              edits.push_back([apply, value](CertificateRequest& r) { apply(r, value); });
            },
            help)
        ->group(group);
  };
  if (withPdfFile) {
    text("--certificate", "write the certificate as PDF FILE",
         [](CertificateRequest& r, const std::string& v) { r.pdfPath = v; });
    command.get_option("--certificate")->type_name("FILE");
  }
  text("--png", "write the preview pages as DIR/page-1.png, ...",
       [](CertificateRequest& r, const std::string& v) { r.pngDir = v; });
  command.get_option("--png")->type_name("DIR");
  text("--zoom", "the preview pages' zoom: 50, 75, 100 or 150",
       [](CertificateRequest& r, const std::string& v) { r.zoom = *ZoomNamed(v); });
  command.get_option("--zoom")->check(OneOf({"50", "75", "100", "150"}))->type_name("50|75|100|150");
  struct Switch {
    const char* name;
    const char* help;
    bool CertificateSettings::*flag;
    bool PrintOptions::*option;
  };
  const Switch switches[] = {
      {"--description", "print the description", nullptr, &PrintOptions::Description},
      {"--cascade", "print the cascade table", nullptr, &PrintOptions::Cascade},
      {"--graph", "print the uncertainty graph", nullptr, &PrintOptions::Graph},
      {"--uncertainty-table", "print the uncertainty tables", nullptr, &PrintOptions::Table},
      {"--cascade-new-page", "start the cascade table on a new page", nullptr, &PrintOptions::CascadeNewPage},
      {"--standard", "print the parts and editions of the standard under the title", nullptr,
       &PrintOptions::Standard},
      {"--signatures", "print the signature block at the end", nullptr, &PrintOptions::Signatures},
      {"--non-compliance-reasons", "print why a result is outside the standard", nullptr,
       &PrintOptions::NonComplianceReasons},
      {"--footer", "print the footer", &CertificateSettings::FooterOn, nullptr},
  };
  for (const Switch& s : switches) {
    text(s.name, s.help, [s](CertificateRequest& r, const std::string& v) {
      bool& flag = s.flag ? r.settings.*s.flag : r.settings.Options.*s.option;
      flag = v == "on";
    });
    command.get_option(s.name)->check(OneOf({"on", "off"}))->type_name("on|off");
  }
  text("--footer-text", "the footer's text",
       [](CertificateRequest& r, const std::string& v) { r.settings.FooterText = v; });
  text("--owner", "the owner name of the header",
       [](CertificateRequest& r, const std::string& v) { r.settings.OwnerName = v; });
  text("--database", "the database line of the header",
       [](CertificateRequest& r, const std::string& v) { r.settings.DatabasePath = v; });
  text("--decimal-separator", "the decimal separator of the numbers: . or ,",
       [](CertificateRequest& r, const std::string& v) {
         r.settings.DecimalSeparator = v[0];
         r.separatorGiven = true;
       });
  command.get_option("--decimal-separator")->check(OneOf({".", ","}))->type_name(".|,");
  command.get_option("--footer-text")->type_name("TEXT");
  command.get_option("--owner")->type_name("NAME");
  command.get_option("--database")->type_name("PATH");
}

}  // namespace pramo::tools
