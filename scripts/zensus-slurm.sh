#!/bin/bash
# A soup census of morlix-stapel spread over a Slurm job array. Task K of M runs share K/M of
# soups 0..N-1 and writes teil-K.txt; the first task submits the merge, which Slurm starts only
# when every task of the array has ended well, and which writes zensus.txt.
#
#   sbatch --array=1-32 scripts/zensus-slurm.sh N WURZEL [REGEL] [MASKE]
#
# MORLIX_STAPEL names the program (default: morlix-stapel on PATH), ZENSUS_ORDNER the folder
# of the results (default: zensus-WURZEL-REGEL-MASKE in the submission folder).
#SBATCH --job-name=morlix-zensus
#SBATCH --array=1-16
#SBATCH --ntasks=1
#SBATCH --cpus-per-task=4
#SBATCH --time=04:00:00
#SBATCH --output=zensus-%A_%a.log
set -euo pipefail

N=${1:?"Aufruf: sbatch --array=1-M $0 N WURZEL [REGEL] [MASKE]"}
WURZEL=${2:?"Es fehlt die Wurzel."}
REGEL=${3:-b3s23}
MASKE=${4:-255}
STAPEL=${MORLIX_STAPEL:-morlix-stapel}
ZIEL=${ZENSUS_ORDNER:-zensus-$WURZEL-$REGEL-$MASKE}

ERSTE=${SLURM_ARRAY_TASK_MIN:?"Nur als Job-Array starten (sbatch --array=...)."}
M=${SLURM_ARRAY_TASK_COUNT:-$((SLURM_ARRAY_TASK_MAX - ERSTE + 1))}
K=$((SLURM_ARRAY_TASK_ID - ERSTE + 1))
mkdir -p "$ZIEL"

if [ "$K" -eq 1 ]; then
    sbatch --job-name=morlix-zensus-merge --dependency="afterok:$SLURM_ARRAY_JOB_ID" \
        --output="$ZIEL/zusammen-%j.log" --ntasks=1 --cpus-per-task=1 --time=00:30:00 \
        --wrap="'$STAPEL' --zusammenfuehren '$ZIEL'/teil-*.txt -o '$ZIEL/zensus.txt'"
fi

srun "$STAPEL" --zensus="$N" --wurzel="$WURZEL" -r "$REGEL" --maske="$MASKE" \
    -j "${SLURM_CPUS_PER_TASK:-1}" --teil="$K/$M" -o "$ZIEL/teil-$K.txt"
