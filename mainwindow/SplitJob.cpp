#include "SplitJob.h"

#include <memory>

#include "RestoreScript.h"
#include "SizeRules.h"
#include "Streams.h"
#include "SysUtils.h"

namespace Scindora {

static std::unique_ptr<TFileStream> OpenSource(const std::string& Path) {
  try {
    return std::make_unique<TFileStream>(Path, fmOpenRead | fmShareDenyWrite);
  } catch (const Exception&) {
    throw EInvalidOperation("Impossible d'ouvrir le fichier Source !");
  }
}

static std::unique_ptr<TFileStream> CreateFragment(const std::string& Path, const std::string& Name) {
  try {
    return std::make_unique<TFileStream>(Path, fmCreate);
  } catch (const Exception&) {
    throw EInvalidOperation("Impossible de créer le fichier \"" + Name + "\".");
  }
}

void RunSplitJob(const TSplitRequest& Request, TProgressRange& Progress, TMessagePump& Pump) {
  const std::string SourcePath = Request.SourcePath;
  const std::string DestFolder = Request.DestFolder;
  // A size below 1 never passes the size check; refused here too, since it would divide by
  // zero or never end.
  const int32_t FragmentSize = FragmentSizeOf(Request.FragmentSizeText);

  std::unique_ptr<TFileStream> Source = OpenSource(SourcePath);
  if (!(FragmentSize < Source->Size()))
    throw EInvalidOperation("Taille du fichier correcte. Fractionnement inutile !");

  Progress.SetMin(0);
  Progress.SetStep(1);
  Progress.SetPosition(0);
  // Exact in 64 bits: a count beyond the bar's range is refused here, before any write.
  Progress.SetMax(Source->Size() / FragmentSize + 1);

  ForceDirectories(DestFolder);

  int64_t Index = 0;
  do {
    Pump.ProcessMessages();
    if (Pump.Terminated()) throw EInvalidOperation("Fractionnement annulé par l'utilisateur.");

    const std::string Name = IntToHex(Index, 8) + ".frg";
    std::unique_ptr<TFileStream> Fragment = CreateFragment(DestFolder + "\\" + Name, Name);
    const int64_t SourceSize = Source->Size();
    const int64_t ReadPosition = Source->Position();
    if (ReadPosition + FragmentSize < SourceSize) {
      Progress.StepIt();
      Fragment->CopyFrom(*Source, FragmentSize);
    } else {
      Progress.SetPosition(Progress.Max());
      // A source cut shorter behind our back leaves nothing to copy; a count of 0 would
      // copy the whole source again, so it is a read failure.
      if (SourceSize <= ReadPosition) throw EReadError("Erreur de lecture du flux");
      Fragment->CopyFrom(*Source, SourceSize - ReadPosition);
    }
    Fragment.reset();
    ++Index;
  } while (Source->Position() != Source->Size());

  Source.reset();
  WriteRestoreScript(DestFolder, SourcePath);
}

}  // namespace Scindora
