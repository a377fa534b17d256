// Reads a collection of projects away from the page, so that it stays usable.
import createTambreloxCore from './tambrelox_core.js';
import { readCatalogue } from './catalogue_rows.js';

const coreLoading = createTambreloxCore();

onmessage = async ({ data }) => {
  const core = await coreLoading;
  await readCatalogue(core, data.files, (rows) => postMessage(rows));
};
