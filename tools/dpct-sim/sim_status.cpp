#include "sim_status.h"

namespace dpctsim {

std::string statusText(long long code)
{
    switch (code) {
    case -1:
        return "An error has occurred during migration";
    case -2:
        return "Error: Unable to save the output to the specified directory";
    case -3:
        return "Error: Input folder specified by --in-root or --analysis-scope-path option is in the "
               "CUDA_PATH folder";
    case -4:
        return "Error: Input folder specified by --in-root or --analysis-scope-path option is the parent of, "
               "or the same folder as, the installation directory of the dpct";
    case -5:
        return "Error: Path for CUDA header files specified by --cuda-include-path is invalid.";
    case -6:
        return "Error: The path for --in-root or --out-root is not valid";
    case -7:
        return "Error: The path for --in-root is not valid";
    case -9:
        return "Error: The value(s) provided for report option(s) is incorrect.";
    case -15:
        return "Error: Invalid warning ID or range; valid warning IDs range from 1000 to 1132";
    case -16:
        return "Option parsing error, run 'dpct --help' to see supported options and values";
    case -17:
        return "Error: Cannot parse input file(s)";
    case -19:
        return "Error: Cannot find compilation database";
    case -20:
        return "Error: Cannot parse compilation database";
    case -21:
        return "Error: The option --process-all requires that the --in-root be specified explicitly. Use the "
               "--in-root option to specify the directory to be migrated.";
    case -23:
        return "Error: Prefix contains special characters; only alphabetical characters, digits and "
               "underscore character are allowed";
    case -25:
        return "Error: Prefix is too long; should be less than 128 characters";
    case -27:
        return "Error: File Type not available for input file";
    case -43:
        return "Error: The API mapping query for this API is not available yet. You may get the API mapping "
               "by migrating sample code from this CUDA API to the SYCL API with the tool.";
    case 1:
        return "Migration not necessary; no CUDA code detected";
    case 2:
        return "Some migration rules were skipped";
    default:
        return "An error has occurred during migration";
    }
}

std::string exitLine(long long code, const std::string& message)
{
    return "dpct exited with code: " + std::to_string(code) + " (" + message + ")\n";
}

} // namespace dpctsim
