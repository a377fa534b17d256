// Reads a collection of projects into catalogue rows: the page reads the files
// and hands them on in batches; the core, in a worker or in the page, makes the rows.

// A read's cost is mostly the browser's own waiting, not the bytes', so many
// are kept under way at once.
const kReadsAtOnce = 16;
// Files handed on together: fewer messages, and still a progress line that moves.
const kBatch = 10;

// A file's bytes for the core: all of them, or one byte more than `largest`,
// enough for the core to refuse the file. A slice costs the browser more than
// reading the whole file, so only a file too large is sliced.
export async function fileBytes(file, largest) {
  const part = file.size > largest ? file.slice(0, largest + 1) : file;
  return new Uint8Array(await part.arrayBuffer());
}

// Reads each of `files` ({file, path, line}) as fileBytes does and hands them
// to `take` in batches of {bytes, path, line}, in the order the reads finish.
// A file the browser cannot read comes with no bytes.
export async function readBatches(files, largest, take) {
  let next = 0;
  let batch = [];
  const reader = async () => {
    while (next < files.length) {
      const { file, path, line } = files[next++];
      const bytes = await fileBytes(file, largest).catch(() => null);
      batch.push({ bytes, path, line });
      if (batch.length === kBatch) {
        take(batch);
        batch = [];
      }
    }
  };
  await Promise.all(Array.from({ length: kReadsAtOnce }, reader));
  if (batch.length > 0) take(batch);
}

// The core's row for each file of a batch; each row keeps its file's line.
export function catalogueRows(core, batch) {
  return batch.map(({ bytes, path, line }) => ({
    ...(bytes ? core.catalogueRow(bytes, path) : core.unreadableRow(path)),
    line,
  }));
}
