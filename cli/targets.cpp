#include "cli/targets.h"

#include "storage/output_target.h"
#include "app/backup_folder.h"
#include "storage/backups.h"
#include "app/service_history.h"
#include "resources/string_ids.h"
#include "seams/string_table.h"

namespace {

TargetCheck Refused(const OutputTarget& target, int id, const char* path)
{
    return TargetCheck{ target.trace ? 2 : 1, FormatString(id, path), id };
}

} // namespace

TargetCheck CheckTargets(const std::vector<OutputTarget>& outputs, const std::vector<std::string>& inputs)
{
    for (size_t i = 0; i < outputs.size(); ++i) {
        const OutputTarget& target = outputs[i];
        const char* path = target.path.c_str();
        // A backup is refused as a failure, whichever output named it.
        if (IsBackupPath(BackupFolder(), target.path))
            return TargetCheck{ 1, FormatString(IDS_TARGET_IS_BACKUP, path, BackupFolder().c_str()), IDS_TARGET_IS_BACKUP };
        // So is the service history: a file saved over it would wipe the record.
        if (IsServiceHistoryPath(target.path))
            return TargetCheck{ 1, FormatString(IDS_TARGET_IS_HISTORY, path), IDS_TARGET_IS_HISTORY };
        for (const std::string& input : inputs) {
            if (SameFile(target.path, input))
                return Refused(target, IDS_TARGET_IS_INPUT, path);
        }
        for (size_t j = 0; j < i; ++j) {
            if (SameFile(target.path, outputs[j].path))
                return Refused(target, IDS_TARGET_TWICE, path);
        }
        switch (CheckOutputTarget(target.path, target.expectedSize)) {
        case TargetProblem::None: break;
        case TargetProblem::NotAFile: return Refused(target, IDS_TARGET_NOT_FILE, path);
        case TargetProblem::WriteProtected: return Refused(target, IDS_TARGET_PROTECTED, path);
        case TargetProblem::NoFolder: return Refused(target, IDS_TARGET_NO_FOLDER, path);
        case TargetProblem::NoSpace: return Refused(target, IDS_TARGET_NO_SPACE, path);
        }
    }
    return TargetCheck{};
}
