// Reads a collection of projects into catalogue rows: the page reads the files
// and hands them on in batches; the core, in a worker or in the page, makes the rows.

// A read's cost is mostly the browser's own waiting, not the bytes', so many
// are kept under way at once; a file read whole costs less than a slice of it.
const kReadsAtOnce = 16;
// Files handed on together: fewer messages, and still a progress line that moves.
const kBatch = 10;

// Reads each of `files` ({file, path, line}) whole, or up to one byte more
// than `largest` (enough for the core to refuse it), and hands them to `take`
// in batches of {bytes, path, line}, in the order the reads finish. A file the
// browser cannot read comes with no bytes.
export async function readBatches(files, largest, take) {
  let next = 0;
  let batch = [];
  const reader = async () => {
    while (next < files.length) {
      const { file, path, line } = files[next++];
      const part = file.size > largest ? file.slice(0, largest + 1) : file;
      const bytes = await part.arrayBuffer().then((buffer) => new Uint8Array(buffer), () => null);
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
