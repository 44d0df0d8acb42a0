// Compile throughput: a definition with the most elements and ids a frame allows, many actions,
// and a large photo, compiled repeatedly in-process. Prints figures; judges only correctness.
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "compiler/frame/maker.h"
#include "compiler/records/action_table.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  int runs = argc > 1 ? std::atoi(argv[1]) : 5;
  size_t photo_mib = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 64;

  fs::path dir = fs::temp_directory_path() / ("vmxmk-bench-" + std::to_string(getpid()));
  fs::create_directories(dir);
  std::string photo = (dir / "photo.jpg").string(), output = (dir / "out.vmf").string();
  {
    std::ofstream out(photo, std::ios::binary);
    std::string block(1 << 20, '\0');
    for (size_t i = 0; i < block.size(); ++i) block[i] = char(i * 31);
    for (size_t i = 0; i < photo_mib; ++i) out << block;
  }

  std::string ids;
  for (int i = 1; i <= 200; ++i) ids += std::to_string(i) + ",";
  std::string xml = "<frame><header><version>1</version><name>bench</name></header><elements>";
  for (int i = 0; i < 100; ++i)
    xml += "<element left='1' top='2' width='30' height='40' actions='" + ids + "'/>";
  xml += "</elements><actions>";
  int actions = 0;
  for (int round = 0; round < 20; ++round) {
    for (const vmx::ActionKind& kind : vmx::action_kinds()) {
      xml += "<action name='" + std::string(kind.name) + "' id='" + std::to_string(++actions) +
             "'><radius>2.5</radius><channel>rgb</channel><method>add</method><KSize>3</KSize>"
             "<kernel>1,2,1,2,4,2,1,2,1</kernel><context>bench</context></action>";
    }
  }
  xml += "</actions></frame>";

  // Messages would dominate the figures; send them to /dev/null while timing.
  int saved_stdout = dup(1);
  int null_fd = open("/dev/null", O_WRONLY);
  double best = 1e300;
  int32_t code = 0;
  for (int i = 0; i < runs; ++i) {
    auto start = std::chrono::steady_clock::now();
    TiXmlDocument doc;
    doc.Parse(xml.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
    std::fflush(stdout);
    dup2(null_fd, 1);
    code = vmx::make_by_path(doc, std::nullopt, photo, output);
    std::fflush(stdout);
    dup2(saved_stdout, 1);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (code != 0) break;
    best = std::min(best, seconds);
  }
  close(null_fd);
  close(saved_stdout);

  uintmax_t size = code == 0 ? fs::file_size(output) : 0;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("definition: %zu bytes, 100 elements x 200 ids, %d actions; photo %zu MiB\n",
              xml.size(), actions, photo_mib);
  if (code != 0) {
    std::printf("compile failed with result code %d\n", code);
  } else {
    std::printf("best of %d: %.3f s (parse + compile), %.1f MiB/s of frame file (%ju bytes)\n",
                runs, best, double(size) / (1 << 20) / best, size);
    std::printf("peak resident memory: %ld KiB\n", usage.ru_maxrss);
  }
  fs::remove_all(dir);
  return code == 0 ? 0 : 1;
}
