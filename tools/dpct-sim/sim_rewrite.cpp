#include "sim_rewrite.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace dpctsim {

std::string migratedText(const std::vector<SourceLine>& lines, const std::vector<Diagnostic>& diags,
                         const VersionStyle& style)
{
    static const std::pair<const char*, const char*> kReplacements[] = {
        {"#include <cuda_runtime.h>", nullptr},
        {"__global__ ", ""},
        {"__syncthreads()", "item_ct1.barrier()"},
        {"threadIdx.x", "item_ct1.get_local_id(2)"},
        {"threadIdx.y", "item_ct1.get_local_id(1)"},
        {"blockIdx.x", "item_ct1.get_group(2)"},
        {"blockIdx.y", "item_ct1.get_group(1)"},
        {"blockDim.x", "item_ct1.get_local_range(2)"},
        {"cudaDeviceSynchronize()", "dpct::get_current_device().queues_wait_and_throw()"},
        {"cudaFree(", "dpct::dpct_free("},
    };
    std::string out = style.clSyclHeader ? "#include <CL/sycl.hpp>\n" : "#include <sycl/sycl.hpp>\n";
    out += "#include <dpct/dpct.hpp>\n";
    // Diagnostics are numbered in the order they were reported; the comments go in line order.
    std::vector<std::size_t> order(diags.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return diags[a].line < diags[b].line; });
    std::size_t next = 0;
    for (const SourceLine& l : lines) {
        for (; next < order.size() && diags[order[next]].line <= l.number; ++next) {
            const Diagnostic& d = diags[order[next]];
            out += "/*\nDPCT" + std::to_string(d.id) + ":" + std::to_string(order[next]) + ": " + d.message +
                   "\n*/\n";
        }
        std::string text = l.text;
        bool drop = false;
        for (const auto& [from, to] : kReplacements) {
            for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
                if (to == nullptr) {
                    drop = true;
                    break;
                }
                text.replace(at, std::string_view(from).size(), to);
                at += std::string_view(to).size();
            }
        }
        if (!drop)
            out += text + "\n";
    }
    return out;
}

std::string migratedFileName(const std::string& name)
{
    const auto dot = name.find_last_of('.');
    const std::string ext = dot == std::string::npos ? std::string() : name.substr(dot);
    if (ext == ".cu")
        return name.substr(0, dot) + ".dp.cpp";
    if (ext == ".cuh")
        return name.substr(0, dot) + ".dp.hpp";
    return name;
}

} // namespace dpctsim
